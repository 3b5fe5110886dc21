/* 最大值从 0 开始比较，各行的和都是负数时错 */
#include <stdio.h>
void row_sums(int a[][4], int rows, int s[])
{
    int i, j;
    for (i = 0; i < rows; i++) {
        s[i] = 0;
        for (j = 0; j < 4; j++)
            s[i] += a[i][j];
    }
}
int main(void)
{
    int a[10][4], s[10], rows, i, j, best, max;
    if (scanf("%d", &rows) != 1 || rows < 1 || rows > 10)
        return 1;
    for (i = 0; i < rows; i++)
        for (j = 0; j < 4; j++)
            scanf("%d", &a[i][j]);
    row_sums(a, rows, s);
    best = 0;
    max = 0;
    for (i = 0; i < rows; i++) {
        printf(i == 0 ? "%d" : " %d", s[i]);
        if (s[i] > max) {
            max = s[i];
            best = i;
        }
    }
    printf("\nmax row=%d\n", best + 1);
    return 0;
}
