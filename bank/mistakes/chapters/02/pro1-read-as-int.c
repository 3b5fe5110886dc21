/* 金额用 int 变量、%d 读入，小数部分没有读进来 */
#include <stdio.h>
int main(void)
{
    int x;
    int n;
    scanf("%d", &x);
    n = x * 100;      /* 换算成分，先加 0.5 再截去小数 */
    printf("yuan=%d jiao=%d fen=%d\n", n / 100, n / 10 % 10, n % 10);
    return 0;
}
