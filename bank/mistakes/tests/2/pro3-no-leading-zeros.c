/* 二进制左边没有补 0 */
#include <stdio.h>
int main(void)
{
    unsigned int n, swapped;
    int i;
    scanf("%u", &n);
    for (i = 7; i > 0 && ((n >> i) & 1u) == 0; i--)
        ;
    for (; i >= 0; i--)
        printf("%u", (n >> i) & 1u);
    printf("\n");
    swapped = ((n & 0x0Fu) << 4) | ((n >> 4) & 0x0Fu);
    printf("%u\n", swapped);
    return 0;
}
