/* 掩码取成了最低 n 位为 1 */
#include <stdio.h>
void print_ip(const char *name, unsigned int x)
{
    printf("%s=%u.%u.%u.%u\n", name, (x >> 24) & 0xFF, (x >> 16) & 0xFF, (x >> 8) & 0xFF, x & 0xFF);
}
int main(void)
{
    unsigned int a, b, c, d, ip, mask;
    int n;
    scanf("%u.%u.%u.%u/%d", &a, &b, &c, &d, &n);
    ip = (a << 24) | (b << 16) | (c << 8) | d;
    /* 移位的位数必须小于 32，n 为 0 时不能写 ~0u << 32 */
    mask = n == 32 ? ~0u : (1u << n) - 1;
    print_ip("mask", mask);
    print_ip("network", ip & mask);
    print_ip("broadcast", ip | ~mask);
    return 0;
}
