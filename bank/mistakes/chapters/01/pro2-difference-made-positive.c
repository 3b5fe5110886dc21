/* 以为差总是大数减小数 */
#include <stdio.h>
int main(void)
{
    int a, b;
    scanf("%d%d", &a, &b);
    printf("%d + %d = %d\n", a, b, a + b);
    printf("%d - %d = %d\n", a, b, a > b ? a - b : b - a);
    printf("%d * %d = %d\n", a, b, a * b);
    return 0;
}
