/* 循环条件写成 k < n，漏掉了 n 本身 */
#include <stdio.h>
int main(void)
{
    int m, n, k, a, b, c, found = 0;
    scanf("%d%d", &m, &n);
    for (k = m; k < n; k++) {
        a = k / 100;
        b = k / 10 % 10;
        c = k % 10;
        if (a * a * a + b * b * b + c * c * c == k) {
            printf("%d\n", k);
            found = 1;
        }
    }
    if (!found)
        printf("none\n");
    return 0;
}
