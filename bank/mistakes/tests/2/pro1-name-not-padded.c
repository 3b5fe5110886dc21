/* 名称没有占 10 列 */
#include <stdio.h>
int main(void)
{
    FILE *fp;
    char name[10];
    int n, i, total = 0, count = 0;
    fp = fopen("data_11.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    while (count < 20 && fscanf(fp, "%9s%d", name, &n) == 2) {
        printf("%s ", name);
        for (i = 0; i < n / 10; i++)
            putchar('*');
        printf(" %d\n", n);
        total += n;
        count++;
    }
    fclose(fp);
    printf("total=%d\n", total);
    return 0;
}
