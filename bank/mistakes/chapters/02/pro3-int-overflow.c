/* 用 int 计算 n(n+1)/2，超出 int 的范围 */
#include <stdio.h>
int main(void)
{
    int n;
    long long s;
    scanf("%d", &n);
    s = n * (n + 1) / 2;
    printf("%lld\n", s);
    return 0;
}
