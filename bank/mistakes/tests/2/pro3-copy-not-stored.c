/* 把 f 的返回值存进了一个局部变量，没有写回数组 */
#include <stdio.h>
void apply(int *a, int n, int (*f)(int));
int twice(int x) { return 2 * x; }
int negate(int x) { return -x; }
void show(const int *a, int n)
{
    int i;
    for (i = 0; i < n; i++)
        printf(i == 0 ? "%d" : " %d", a[i]);
    printf("\n");
}
int main(void)
{
    int a[20], n, i;
    if (scanf("%d", &n) != 1 || n < 1 || n > 20)
        return 1;
    for (i = 0; i < n; i++)
        scanf("%d", &a[i]);
    apply(a, n, twice);
    show(a, n);
    apply(a, n, negate);
    show(a, n);
    return 0;
}
void apply(int *a, int n, int (*f)(int))
{
    int i;
    for (i = 0; i < n; i++)
        { int x = a[i]; x = f(x); (void)x; }
}
