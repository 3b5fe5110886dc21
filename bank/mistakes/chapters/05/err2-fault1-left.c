/* 只改对了其余的错误，这一处没有改：r = r * 10 + n / 10;（应为 r = r * 10 + n % 10;） */
#include <stdio.h>
int main(void)
{
    int n = 1234, r = 0;
    do {
        r = r * 10 + n / 10;
        n /= 10;
    } while (n > 0);
    printf("%d\n", r);
    return 0;
}
