/* 把 1 ≤ x < 10 照数学写法写成 1 <= x < 10 */
#include <stdio.h>
int main(void)
{
    int x, y;
    scanf("%d", &x);
    if (x < 1)
        y = x;
    else if (1 <= x < 10)
        y = 2 * x - 1;
    else
        y = 3 * x - 11;
    printf("y = %d\n", y);
    return 0;
}
