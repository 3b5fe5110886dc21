/* 用 scanf("%s") 只读了第一个单词 */
#include <stdio.h>
#include <string.h>
int main(void)
{
    char s[82];
    char *p;
    if (scanf("%81s", s) != 1)
        return 0;
    s[strcspn(s, "\n")] = '\0';
    for (p = s; *p != '\0'; p++)
    {
        /* 单词的首字母：第一个字符，或者紧跟在空格后面的字符 */
        if ((p == s || *(p - 1) == ' ') && *p >= 'a' && *p <= 'z')
            *p = *p - 'a' + 'A';
    }
    printf("%s\n", s);
    return 0;
}
