/* 得分相同时交换了先后 */
#include <stdio.h>

#define MAXP 30
#define JUDGES 7

struct player {
    int num;
    double score;
};

/* 读入一名选手的 7 个分数，求去掉最高分和最低分后的平均值；读取失败返回 0 */
int read_scores(FILE *fp, double *result)
{
    double s, sum = 0, max = 0, min = 0;
    int j;
    for (j = 0; j < JUDGES; j++) {
        if (fscanf(fp, "%lf", &s) != 1)
            return 0;
        sum += s;
        if (j == 0 || s > max)
            max = s;
        if (j == 0 || s < min)
            min = s;
    }
    *result = (sum - max - min) / (JUDGES - 2);
    return 1;
}

int main(void)
{
    struct player p[MAXP], t;
    int n = 0, i, j;
    FILE *fp = fopen("data_21.dat", "r");
    if (fp == NULL) {
        printf("无法打开文件 data_21.dat\n");
        return 1;
    }
    while (n < MAXP && fscanf(fp, "%d", &p[n].num) == 1 && read_scores(fp, &p[n].score))
        n++;
    fclose(fp);

    for (i = 0; i < n - 1; i++)              /* 冒泡排序，得分从高到低 */
        for (j = 0; j < n - 1 - i; j++)
            if (p[j].score <= p[j + 1].score) {
                t = p[j];
                p[j] = p[j + 1];
                p[j + 1] = t;
            }
    for (i = 0; i < n; i++)
        printf("%d %d %.2f\n", i + 1, p[i].num, p[i].score);
    return 0;
}
