/* 方向弄反了，把第一个数移到了最后 */
#include <stdio.h>
void rotate(int *p, int n, int k)
{
    int *q, t, i;
    k = k % n;                  /* 移 n 位等于没有移动 */
    for (i = 0; i < k; i++)
    {
        t = *p;
        for (q = p; q < p + n - 1; q++)
            *q = *(q + 1);
        *(p + n - 1) = t;
    }
}
int main(void)
{
    int a[20], n, k, i;
    if (scanf("%d", &n) != 1 || n < 1 || n > 20)
        return 1;
    for (i = 0; i < n; i++)
        scanf("%d", &a[i]);
    scanf("%d", &k);
    rotate(a, n, k);
    for (i = 0; i < n; i++)
        printf("%d ", a[i]);
    printf("\n");
    return 0;
}
