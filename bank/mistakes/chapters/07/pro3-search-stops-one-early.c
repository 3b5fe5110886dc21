/* 查找时少看了最后一个元素 */
#include <stdio.h>
#define N 8
int table[N] = {12, 45, 7, 33, 23, 68, 5, 91};
int find(int a[], int n, int x)
{
    int i;
    for (i = 0; i < n - 1; i++)
        if (a[i] == x)
            return i;
    return -1;
}
int main(void)
{
    int k, x, pos;
    for (k = 0; k < 2; k++) {
        scanf("%d", &x);
        pos = find(table, N, x);
        if (pos >= 0)
            printf("%d: index %d\n", x, pos);
        else
            printf("%d: not found\n", x);
    }
    return 0;
}
