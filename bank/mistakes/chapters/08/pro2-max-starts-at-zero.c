/* 最大值从 0 开始比较，全是负数时错 */
#include <stdio.h>
#define MAX2(a, b) ((a) > (b) ? (a) : (b))
#define MIN2(a, b) ((a) < (b) ? (a) : (b))
int main(void)
{
    int x, y, z;
    scanf("%d%d%d", &x, &y, &z);
    printf("max=%d min=%d\n", MAX2(MAX2(0, x), MAX2(y, z)), MIN2(MIN2(x, y), z));
    return 0;
}
