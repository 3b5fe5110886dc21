/* 循环条件写成 n > 10，个位数和最高位被漏掉 */
#include <stdio.h>
int main(void)
{
    int n, sum = 0;
    scanf("%d", &n);
    while (n > 10) {
        sum += n % 10;
        n /= 10;
    }
    printf("%d\n", sum);
    return 0;
}
