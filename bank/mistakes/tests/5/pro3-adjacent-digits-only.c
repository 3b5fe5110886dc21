/* 只比较了相邻的两位数字 */
#include <stdio.h>
#include <stdbool.h>

bool distinct_digits(int n)
{
    int last = -1;
    do {
        int d = n % 10;
        if (d == last)
            return false;
        last = d;
        n /= 10;
    } while (n > 0);
    return true;
}

int main(void)
{
    int k, i, n;
    scanf("%d", &k);
    for (i = 0; i < k; i++) {
        scanf("%d", &n);
        printf("%d %s\n", n, distinct_digits(n) ? "yes" : "no");
    }
    return 0;
}
