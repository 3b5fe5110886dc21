/* 换算成分时直接截去小数，没有先加 0.5 */
#include <stdio.h>
int main(void)
{
    double x;
    int n;
    scanf("%lf", &x);
    n = (int)(x * 100);      /* 换算成分，先加 0.5 再截去小数 */
    printf("yuan=%d jiao=%d fen=%d\n", n / 100, n / 10 % 10, n % 10);
    return 0;
}
