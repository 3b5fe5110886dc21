/* 只去掉相邻的重复 */
#include <stdio.h>

int main(void)
{
    int a[100], n = 0, m = 0, i, j, x;
    FILE *fp = fopen("data_11.dat", "r");
    if (fp == NULL) {
        printf("无法打开文件 data_11.dat\n");
        return 1;
    }
    while (n < 100 && fscanf(fp, "%d", &x) == 1) {
        n++;
        for (j = m > 0 ? m - 1 : 0; j < m; j++)      /* 在已保留的数中查找 x */
            if (a[j] == x)
                break;
        if (j == m)                  /* 没有找到：x 第一次出现 */
            a[m++] = x;
    }
    fclose(fp);
    printf("count=%d unique=%d\n", n, m);
    for (i = 0; i < m; i++) {
        if (i > 0)
            printf(" ");
        printf("%d", a[i]);
    }
    if (m > 0)
        printf("\n");
    return 0;
}
