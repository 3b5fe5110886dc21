/* c 与 b 比较而不是与当前的最大值比较 */
#include <stdio.h>
int main(void)
{
    int a, b, c, max;
    scanf("%d%d%d", &a, &b, &c);
    max = a;
    if (b > max)
        max = b;
    if (c > b)
        max = c;
    printf("max = %d\n", max);
    return 0;
}
