/* 把复利算成单利 */
#include <stdio.h>
int main(void)
{
    double p, r, s;
    scanf("%lf%lf", &p, &r);
    s = p * (1 + 3 * r);
    printf("%.2f\n", s);
    return 0;
}
