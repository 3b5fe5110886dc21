/* 用 float 计算本息，本金大时精度不够 */
#include <stdio.h>
int main(void)
{
    float p, r, s;
    scanf("%f%f", &p, &r);
    s = p * (1 + r) * (1 + r) * (1 + r);
    printf("%.2f\n", s);
    return 0;
}
