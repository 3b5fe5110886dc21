/* n / k / 100 全是整数除法，把角和分也舍去了，再存入 double 变量为时已晚 */
#include <stdio.h>
int main(void)
{
    double x, each;
    int k, n;
    scanf("%lf%d", &x, &k);
    n = (int)(x * 100 + 0.5);
    each = n / k / 100;
    printf("each=%.2f rest=%d\n", each, n % k);
    return 0;
}
