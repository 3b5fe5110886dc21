/* 每行的最大值从 0 开始比较 */
#include <stdio.h>

#define MAXN 10

int main(void)
{
    int a[MAXN][MAXN], n, i, j, max;
    int main_sum = 0, sub_sum = 0;
    FILE *fp = fopen("data_21.dat", "r");
    if (fp == NULL) {
        printf("无法打开文件 data_21.dat\n");
        return 1;
    }
    if (fscanf(fp, "%d", &n) != 1 || n < 1 || n > MAXN) {
        printf("bad data\n");
        fclose(fp);
        return 1;
    }
    for (i = 0; i < n; i++)
        for (j = 0; j < n; j++)
            if (fscanf(fp, "%d", &a[i][j]) != 1) {
                printf("bad data\n");
                fclose(fp);
                return 1;
            }
    fclose(fp);

    for (i = 0; i < n; i++) {
        main_sum += a[i][i];
        sub_sum += a[i][n - 1 - i];
    }
    printf("main=%d\n", main_sum);
    printf("anti=%d\n", sub_sum);
    for (i = 0; i < n; i++) {
        max = 0;
        for (j = 0; j < n; j++)
            if (a[i][j] > max)
                max = a[i][j];
        printf("row %d max=%d\n", i + 1, max);
    }
    return 0;
}
