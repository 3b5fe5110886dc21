/* 只改对了其余的错误，这一处没有改：pmax = p;（应为 *pmax = *p;） */
#include <stdio.h>
void max_min(int *a, int n, int *pmax, int *pmin)
{
    int *p;
    *pmax = *pmin = *a;
    for (p = a + 1; p < a + n; p++)
    {
        if (*p > *pmax)
            pmax = p;
        if (*p < *pmin)
            *pmin = *p;
    }
}
int main(void)
{
    int a[6] = {12, 5, 27, 9, 31, 4};
    int max, min;
    max_min(a, 6, &max, &min);
    printf("max=%d min=%d\n", max, min);
    return 0;
}
