/* 只改对了其余的错误，这一处没有改：#ifndef DEBUG（应为 #ifdef DEBUG） */
#include <stdio.h>
#define AVG(a, b) (((a) + (b)) / 2.0)
#define DEBUG
int main(void)
{
    int x = 7, y = 12;
#ifndef DEBUG
    printf("x=%d y=%d\n", x, y);
#endif
    printf("avg=%.1f\n", AVG(x, y));
    return 0;
}
