/* 用 feof 控制循环，最后一个数多算一次 */
#include <stdio.h>
int main(void)
{
    FILE *fp;
    int x, pos = 0, neg = 0, zero = 0;
    fp = fopen("data_11.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    while (!feof(fp)) {
        fscanf(fp, "%d", &x);
        if (x > 0)
            pos++;
        else if (x < 0)
            neg++;
        else
            zero++;
    }
    fclose(fp);
    printf("positive=%d negative=%d zero=%d\n", pos, neg, zero);
    return 0;
}
