/* 把三个数字逐个输出，倒过来后开头的 0 也输出了 */
#include <stdio.h>
int main(void)
{
    int n, a, b, c;
    scanf("%d", &n);
    a = n / 100;
    b = n / 10 % 10;
    c = n % 10;
    printf("%d%d%d\n", c, b, a);
    return 0;
}
