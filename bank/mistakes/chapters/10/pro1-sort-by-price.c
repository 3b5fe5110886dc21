/* 按单价而不是按库存金额排序 */
#include <stdio.h>
struct goods
{
    int id;
    char name[20];
    double price;
    int qty;
    double amount;
};
int main(void)
{
    struct goods g[20], t;
    int n = 0, i, j;
    double total = 0;
    FILE *fp = fopen("data_11.dat", "r");
    if (fp == NULL)
    {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    if (fscanf(fp, "%d", &n) != 1 || n < 0 || n > 20)
        n = 0;
    for (i = 0; i < n; i++)
        fscanf(fp, "%d %19s %lf %d", &g[i].id, g[i].name, &g[i].price, &g[i].qty);
    fclose(fp);
    for (i = 0; i < n; i++)
    {
        g[i].amount = g[i].price * g[i].qty;
        total += g[i].amount;
    }
    /* 冒泡排序，结构体变量可以整体赋值交换 */
    for (i = 0; i < n - 1; i++)
        for (j = 0; j < n - 1 - i; j++)
            if (g[j].price < g[j + 1].price)
            {
                t = g[j];
                g[j] = g[j + 1];
                g[j + 1] = t;
            }
    for (i = 0; i < n; i++)
        printf("%d %s %.2f\n", g[i].id, g[i].name, g[i].amount);
    printf("total=%.2f\n", total);
    return 0;
}
