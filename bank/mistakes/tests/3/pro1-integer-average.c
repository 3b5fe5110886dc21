/* 平均气温用整数除法 */
#include <stdio.h>
int main(void)
{
    int t[366], n = 0, i, max, day, run, longest;
    double sum = 0;
    FILE *fp = fopen("data_11.dat", "r");
    if (fp == NULL)
    {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    while (n < 366 && fscanf(fp, "%d", &t[n]) == 1)
    {
        sum += t[n];
        n++;
    }
    fclose(fp);
    if (n == 0)
    {
        printf("no data\n");
        return 0;
    }
    max = t[0];
    day = 1;
    run = longest = 1;
    for (i = 1; i < n; i++)
    {
        if (t[i] > max)
        {
            max = t[i];
            day = i + 1;
        }
        /* 比前一天高则上升段延长，否则从这一天重新计数 */
        if (t[i] > t[i - 1])
            run++;
        else
            run = 1;
        if (run > longest)
            longest = run;
    }
    printf("days=%d average=%.1f\n", n, (double)((int)sum / n));
    printf("max=%d day=%d\n", max, day);
    printf("longest rise=%d\n", longest);
    return 0;
}
