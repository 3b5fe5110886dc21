/* 只改对了其余的错误，这一处没有改：else;（应为 else） */
#include <stdio.h>
int main(void)
{
    int n;
    scanf("%d", &n);
    if (n % 2 == 0)
        printf("%d is even\n", n);
    else;
        printf("%d is odd\n", n);
    return 0;
}
