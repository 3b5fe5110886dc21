/* 在实数上取各位：角和分由 (int)(x * 10) 和 (int)(x * 100) 求出 */
#include <stdio.h>
int main(void)
{
    double x;
    scanf("%lf", &x);
        printf("yuan=%d jiao=%d fen=%d\n", (int)x, (int)(x * 10) % 10, (int)(x * 100) % 10);
    return 0;
}
