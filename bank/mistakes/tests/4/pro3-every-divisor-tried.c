/* 逐个试除到 n - 1，m 大时超时 */
#include <stdio.h>

int is_perfect(int n)
{
    int i, sum = 1;
    if (n < 2)
        return 0;
    /* 因子成对出现：i 与 n / i，只需枚举到平方根 */
    for (i = 2; i < n; i++)
        if (n % i == 0)
            sum += i;
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
