/* 广播地址与掩码本身相或，没有取反 */
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
    mask = n == 0 ? 0u : ~0u << (32 - n);
    print_ip("mask", mask);
    print_ip("network", ip & mask);
    print_ip("broadcast", ip | mask);
    return 0;
}
