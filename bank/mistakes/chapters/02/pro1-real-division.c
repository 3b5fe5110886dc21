/* 每人分得的钱用实数除法 x / k 求出，不足 1 分的部分在输出时被四舍五入进来了 */
#include <stdio.h>
int main(void)
{
    double x;
    int k, n;
    scanf("%lf%d", &x, &k);
    n = (int)(x * 100 + 0.5);
    printf("each=%.2f rest=%d\n", x / k, n % k);
    return 0;
}
