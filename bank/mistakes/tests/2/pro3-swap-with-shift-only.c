/* 交换高低 4 位时忘了屏蔽，左移后超出 8 位 */
#include <stdio.h>
int main(void)
{
    unsigned int n, swapped;
    int i;
    scanf("%u", &n);
    for (i = 7; i >= 0; i--)
        printf("%u", (n >> i) & 1u);
    printf("\n");
    swapped = (n << 4) | (n >> 4);
    printf("%u\n", swapped);
    return 0;
}
