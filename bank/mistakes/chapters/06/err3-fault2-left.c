/* 只改对了其余的错误，这一处没有改：c[i][j] = a[i][j] + b[j][i];（应为 c[i][j] = a[i][j] + b[i][j];） */
#include <stdio.h>
int main(void)
{
    int a[3][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    int b[3][3] = {{1, 0, 2}, {0, 3, 0}, {4, 0, 5}};
    int c[3][3];
    int i, j;
    for (i = 0; i < 3; i++)
        for (j = 0; j < 3; j++)
            c[i][j] = a[i][j] + b[j][i];
    for (i = 0; i < 3; i++) {
        for (j = 0; j < 3; j++)
            printf("%d ", c[i][j]);
        printf("\n");
    }
    return 0;
}
