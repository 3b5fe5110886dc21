/* 只改对了其余的错误，这一处没有改：fp = fopen("nums.txt", "w");（应为 fp = fopen("nums.txt", "r");） */
#include <stdio.h>
int main(void)
{
    FILE *fp;
    int i, x, sum = 0;
    fp = fopen("nums.txt", "w");
    if (fp == NULL)
    {
        printf("cannot open nums.txt\n");
        return 1;
    }
    for (i = 2; i <= 10; i += 2)
        fprintf(fp, "%d ", i);
    fclose(fp);
    fp = fopen("nums.txt", "w");
    if (fp == NULL)
    {
        printf("cannot open nums.txt\n");
        return 1;
    }
    while (fscanf(fp, "%d", &x) == 1)
        sum += x;
    fclose(fp);
    printf("sum=%d\n", sum);
    return 0;
}
