/* 只改对了其余的错误，这一处没有改：int m = 0;（应为 int m = a[0];） */
#include <stdio.h>
int max_of(int a[], int n)
{
    int i;
    int m = 0;
    for (i = 1; i < n; i++)
        if (a[i] > m)
            m = a[i];
    return m;
}
int main(void)
{
    int a[6] = {-5, -2, -9, -4, -7, -3};
    printf("max=%d\n", max_of(a, 6));
    return 0;
}
