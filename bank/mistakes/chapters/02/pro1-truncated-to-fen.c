/* 换算成分时直接截去小数，没有先加 0.5 */
#include <stdio.h>
int main(void)
{
    double x;
    int k, n;
    scanf("%lf%d", &x, &k);
    n = (int)(x * 100);
    printf("each=%.2f rest=%d\n", n / k / 100.0, n % k);
    return 0;
}
