/* 只比较交换了两次，最小的数在最后时排不好 */
#include <stdio.h>
int main(void)
{
    int a, b, c, t;
    scanf("%d%d%d", &a, &b, &c);
    if (a > b) {
        t = a; a = b; b = t;
    }
    if (b > c) {
        t = b; b = c; c = t;
    }
    printf("%d %d %d\n", a, b, c);
    return 0;
}
