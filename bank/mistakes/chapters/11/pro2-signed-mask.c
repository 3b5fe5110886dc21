/* 用有符号的 1 << k 作掩码并按 %d 输出 */
#include <stdio.h>
int main(void)
{
    unsigned int x, mask;
    int k;
    scanf("%u%d", &x, &k);
    mask = 1u << k;
    printf("set=%d clear=%d flip=%d\n", (int)(x | mask), (int)(x & ~mask), (int)(x ^ mask));
    return 0;
}
