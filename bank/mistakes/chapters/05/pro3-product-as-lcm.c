/* 把两数之积当成最小公倍数 */
#include <stdio.h>
int main(void)
{
    int m, n, a, b, r;
    scanf("%d%d", &m, &n);
    a = m;
    b = n;
    while (b != 0) {
        r = a % b;
        a = b;
        b = r;
    }
    printf("gcd=%d lcm=%d\n", a, m * n);
    return 0;
}
