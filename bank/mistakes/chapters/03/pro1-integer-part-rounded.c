/* 用 %.0f 输出整数部分，四舍五入了 */
#include <stdio.h>
int main(void)
{
    double x;
    int n;
    scanf("%lf", &x);
    n = (int)x;
    printf("%.0f %.3f\n", x, x - n);
    return 0;
}
