/* 把 1 也当作完数 */
#include <stdio.h>

int is_perfect(int n)
{
    int i, sum = 1;
    if (n < 1)
        return 0;
    /* 因子成对出现：i 与 n / i，只需枚举到平方根 */
    for (i = 2; i * i <= n; i++)
        if (n % i == 0) {
            sum += i;
            if (i != n / i)
                sum += n / i;
        }
    return sum == n;
}

int main(void)
{
    int m, k, found = 0;
    scanf("%d", &m);
    for (k = 1; k <= m; k++)
        if (is_perfect(k)) {
            printf("%d\n", k);
            found = 1;
        }
    if (!found)
        printf("none\n");
    return 0;
}
