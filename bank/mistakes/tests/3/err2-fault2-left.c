/* 只改对了其余的错误，这一处没有改：s[i] = '\0';（应为 s[j] = '\0';） */
#include <stdio.h>
void del_char(char *s, char c)
{
    int i, j = 0;
    for (i = 0; s[i] != '\0'; i++)
        if (s[i] != c)
            s[j++] = s[i];
    s[i] = '\0';
}
int main(void)
{
    char str[] = "programming";
    del_char(str, 'm');
    printf("%s\n", str);
    return 0;
}
