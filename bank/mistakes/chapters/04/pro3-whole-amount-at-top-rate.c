/* 超过 400 度时全部按 0.8 元计 */
#include <stdio.h>
int main(void)
{
    int n;
    double fee;
    scanf("%d", &n);
    if (n <= 200)
        fee = n * 0.5;
    else if (n <= 400)
        fee = 200 * 0.5 + (n - 200) * 0.6;
    else
        fee = n * 0.8;
    printf("%.2f\n", fee);
    return 0;
}
