/* 只看能否被 4 整除 */
#include <stdio.h>
#define IS_LEAP(y) ((y) % 4 == 0)
int main(void)
{
    FILE *fp;
    int year, count = 0;
    fp = fopen("data_11.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    while (fscanf(fp, "%d", &year) == 1) {
        if (IS_LEAP(year)) {
            printf("%d\n", year);
            count++;
        }
    }
    fclose(fp);
    printf("count=%d\n", count);
    return 0;
}
