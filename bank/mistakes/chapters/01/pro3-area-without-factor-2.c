/* 表面积漏乘 2 */
#include <stdio.h>
int main(void)
{
    FILE *fp;
    int a, b, c;
    fp = fopen("data_31.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_31.dat\n");
        return 1;
    }
    if (fscanf(fp, "%d%d%d", &a, &b, &c) != 3) {
        printf("bad data\n");
        fclose(fp);
        return 1;
    }
    fclose(fp);
    printf("volume = %d\n", a * b * c);
    printf("area = %d\n", a * b + b * c + a * c);
    return 0;
}
