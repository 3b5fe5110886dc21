/* 写成 5 / 9 * (f - 32)，整数除法得 0 */
#include <stdio.h>
int main(void)
{
    double f, c;
    scanf("%lf", &f);
    c = 5 / 9 * (f - 32);
    printf("c = %.2f\n", c);
    return 0;
}
