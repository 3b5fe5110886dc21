/* 用 x % 2 == 1 判断奇数，负奇数被漏掉 */
#include <stdio.h>
/* 先输出 label，再读出文件 name 中的全部整数，每个前面加一个空格输出 */
void show(const char *name, const char *label)
{
    int x;
    FILE *fp = fopen(name, "r");
    if (fp == NULL)
    {
        printf("cannot open %s\n", name);
        return;
    }
    printf("%s", label);
    while (fscanf(fp, "%d", &x) == 1)
        printf(" %d", x);
    printf("\n");
    fclose(fp);
}
int main(void)
{
    FILE *in, *ev, *od;
    int x;
    in = fopen("data_31.dat", "r");
    if (in == NULL)
    {
        printf("cannot open data_31.dat\n");
        return 1;
    }
    ev = fopen("even.txt", "w");
    if (ev == NULL)
    {
        printf("cannot open even.txt\n");
        fclose(in);
        return 1;
    }
    od = fopen("odd.txt", "w");
    if (od == NULL)
    {
        printf("cannot open odd.txt\n");
        fclose(in);
        fclose(ev);
        return 1;
    }
    while (fscanf(in, "%d", &x) == 1)
    {
        if (x % 2 == 0)
            fprintf(ev, "%d ", x);
        else if (x % 2 == 1)
            fprintf(od, "%d ", x);   /* 负奇数的 x % 2 是 -1，不能用 x % 2 == 1 判断 */
    }
    fclose(in);
    fclose(ev);   /* 关闭后数据才真正写入，才能重新打开读出 */
    fclose(od);
    show("even.txt", "even:");
    show("odd.txt", "odd:");
    return 0;
}
