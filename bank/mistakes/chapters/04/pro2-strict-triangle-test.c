/* 两边之和等于第三边也当作三角形 */
#include <stdio.h>
int main(void)
{
    FILE *fp;
    int a, b, c;
    fp = fopen("data_21.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_21.dat\n");
        return 1;
    }
    if (fscanf(fp, "%d%d%d", &a, &b, &c) != 3) {
        printf("bad data\n");
        fclose(fp);
        return 1;
    }
    fclose(fp);
    if (a + b < c || a + c < b || b + c < a)
        printf("not a triangle\n");
    else if (a == b && b == c)
        printf("equilateral\n");
    else if (a == b || b == c || a == c)
        printf("isosceles\n");
    else if (a * a + b * b == c * c || a * a + c * c == b * b || b * b + c * c == a * a)
        printf("right\n");
    else
        printf("scalene\n");
    return 0;
}
