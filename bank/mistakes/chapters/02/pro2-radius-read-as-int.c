/* 把半径当作整数读入 */
#include <stdio.h>
#define PI 3.14159
int main(void)
{
    FILE *fp;
    int r;
    fp = fopen("data_21.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_21.dat\n");
        return 1;
    }
    if (fscanf(fp, "%d", &r) != 1) {
        printf("bad data\n");
        fclose(fp);
        return 1;
    }
    fclose(fp);
    printf("length = %.2f\n", 2 * PI * r);
    printf("area = %.2f\n", PI * r * r);
    return 0;
}
