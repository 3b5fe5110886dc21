/* 外层循环少了一趟 */
#include <stdio.h>
#define N 10
int main(void)
{
    FILE *fp;
    int a[N];
    int i, j, k, t;
    fp = fopen("data_11.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    for (i = 0; i < N; i++)
        fscanf(fp, "%d", &a[i]);
    fclose(fp);
    for (i = 0; i < N - 2; i++) {
        k = i;
        for (j = i + 1; j < N; j++)
            if (a[j] > a[k])
                k = j;
        if (k != i) {
            t = a[i];
            a[i] = a[k];
            a[k] = t;
        }
    }
    printf("%d", a[0]);
    for (i = 1; i < N; i++)
        printf(" %d", a[i]);
    printf("\n");
    return 0;
}
