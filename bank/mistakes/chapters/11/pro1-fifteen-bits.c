/* 只输出了 15 位 */
#include <stdio.h>
int main(void)
{
    unsigned int x;
    int n, k, i, ones;
    if (scanf("%d", &n) != 1)
        return 1;
    for (k = 0; k < n; k++)
    {
        if (scanf("%u", &x) != 1)
            break;
        printf("%u ", x);
        ones = 0;
        for (i = 14; i >= 0; i--)
        {
            /* 从最高位到最低位逐位取出 */
            if ((x >> i) & 1)
            {
                putchar('1');
                ones++;
            }
            else
                putchar('0');
        }
        printf(" %d\n", ones);
    }
    return 0;
}
