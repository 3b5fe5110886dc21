/* 用 float 保存实数，大数的小数部分丢了 */
#include <stdio.h>
int main(void)
{
    float x;
    int n;
    scanf("%f", &x);
    n = (int)x;
    printf("%d %.3f\n", n, x - n);
    return 0;
}
