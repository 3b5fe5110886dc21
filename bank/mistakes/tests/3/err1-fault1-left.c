/* 只改对了其余的错误，这一处没有改：for (j = 0; j < n; j++) {（应为 for (j = 0; j < i; j++) {） */
#include <stdio.h>
int main(void)
{
    int a[10][10], n, i, j, t;
    scanf("%d", &n);
    for (i = 0; i < n; i++)
        for (j = 0; j < n; j++)
            scanf("%d", &a[i][j]);
    for (i = 0; i < n; i++)
        for (j = 0; j < n; j++) {
            t = a[i][j];
            a[i][j] = a[j][i];
            a[j][i] = t;
        }
    for (i = 0; i < n; i++) {
        for (j = 0; j < n; j++) {
            if (j > 0)
                printf(" ");
            printf("%d", a[i][j]);
        }
        printf("\n");
    }
    return 0;
}
