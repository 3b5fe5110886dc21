/* 只改对了其余的错误，这一处没有改：printf("C(%d,%d)=%ld\n", m, n, fact(m) / fact(n) * fact(m - n));（应为 printf("C(%d,%d)=%ld\n", m, n, fact(m) / (fact(n) * fact(m - n)));） */
#include <stdio.h>
long fact(int n);
int main(void)
{
    int m = 6, n = 2;
    printf("C(%d,%d)=%ld\n", m, n, fact(m) / fact(n) * fact(m - n));
    return 0;
}
long fact(int n)
{
    int i;
    long f = 1;
    for (i = 1; i <= n; i++)
        f *= i;
    return f;
}
