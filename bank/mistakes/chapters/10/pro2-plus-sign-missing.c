/* 虚部为正时没有输出 + 号 */
#include <stdio.h>
struct complex
{
    int re, im;
};
struct complex add(struct complex a, struct complex b)
{
    struct complex c;
    c.re = a.re + b.re;
    c.im = a.im + b.im;
    return c;
}
struct complex mul(struct complex a, struct complex b)
{
    struct complex c;
    c.re = a.re * b.re - a.im * b.im;
    c.im = a.re * b.im + a.im * b.re;
    return c;
}
int main(void)
{
    struct complex x, y, s, p;
    scanf("%d%d%d%d", &x.re, &x.im, &y.re, &y.im);
    s = add(x, y);
    p = mul(x, y);
    printf("sum=%d%di\n", s.re, s.im);
    printf("product=%d%di\n", p.re, p.im);
    return 0;
}
