/* 数组满时只多申请一个位置 */
#include <stdio.h>
#include <stdlib.h>
int main(void)
{
    int *a, *t, *p;
    int n = 0, cap = 4, x;
    a = (int *)malloc(cap * sizeof(int));
    if (a == NULL)
        return 1;
    while (scanf("%d", &x) == 1 && x != 0)
    {
        if (n == cap)
        {
            /* 先用 t 接收：扩大失败时 a 仍指向原来的数据 */
            t = (int *)realloc(a, (cap + 1) * sizeof(int));
            if (t == NULL)
            {
                free(a);
                return 1;
            }
            a = t;
            cap = cap + 1;
        }
        a[n] = x;
        n++;
    }
    printf("n=%d cap=%d\n", n, cap);
    for (p = a + n; p > a; p--)
        printf("%d ", *(p - 1));
    printf("\n");
    free(a);
    return 0;
}
