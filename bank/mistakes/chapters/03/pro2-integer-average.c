/* 先做整数除法再转成实数 */
#include <stdio.h>
int main(void)
{
    FILE *fp;
    int a, b, c, d, e;
    int sum;
    fp = fopen("data_21.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_21.dat\n");
        return 1;
    }
    if (fscanf(fp, "%d%d%d%d%d", &a, &b, &c, &d, &e) != 5) {
        printf("bad data\n");
        fclose(fp);
        return 1;
    }
    fclose(fp);
    sum = a + b + c + d + e;
    printf("sum = %d\n", sum);
    printf("average = %.2f\n", (double)(sum / 5));
    return 0;
}
