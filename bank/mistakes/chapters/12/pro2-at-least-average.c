/* 把等于平均分的学生也输出了 */
#include <stdio.h>
int main(void)
{
    char name[50][20];
    int score[50], n = 0, i;
    double sum = 0, avg;
    FILE *fp = fopen("data_21.dat", "r");
    if (fp == NULL)
    {
        printf("cannot open data_21.dat\n");
        return 1;
    }
    while (n < 50 && fscanf(fp, "%19s%d", name[n], &score[n]) == 2)
    {
        sum += score[n];
        n++;
    }
    fclose(fp);
    if (n == 0)
    {
        printf("count=0\n");   /* 没有数据，不能求平均分 */
        return 0;
    }
    avg = sum / n;
    printf("count=%d average=%.2f\n", n, avg);
    for (i = 0; i < n; i++)
        if (score[i] >= avg)
            printf("%s %d\n", name[i], score[i]);
    return 0;
}
