/* 每行少输出了最后的 1 */
#include <stdio.h>
#define N 15
int main(void)
{
    int a[N][N];
    int n, i, j;
    scanf("%d", &n);
    for (i = 0; i < n; i++) {
        a[i][0] = 1;
        a[i][i] = 1;
        for (j = 1; j < i; j++)
            a[i][j] = a[i - 1][j - 1] + a[i - 1][j];
    }
    for (i = 0; i < n; i++) {
        printf("%d", a[i][0]);
        for (j = 1; j < i; j++)
            printf(" %d", a[i][j]);
        printf("\n");
    }
    return 0;
}
