/* 用 int 保存变换中的数，超出了 int 的范围 */
#include <stdio.h>
int main(void)
{
    int n, max;
    int steps = 0;
    scanf("%d", &n);
    max = n;
    while (n != 1) {
        if (n % 2 == 0)
            n = n / 2;
        else
            n = 3 * n + 1;
        if (n > max)
            max = n;
        steps++;
    }
    printf("steps=%d max=%d\n", steps, max);
    return 0;
}
