/* 以为读入的行一定以换行符结尾，直接去掉了最后一个字符 */
#include <stdio.h>
#include <string.h>
int main(void)
{
    char s[82];
    char *p;
    if (fgets(s, sizeof(s), stdin) == NULL)
        return 0;
    s[strlen(s) - 1] = '\0';
    for (p = s; *p != '\0'; p++)
    {
        /* 单词的首字母：第一个字符，或者紧跟在空格后面的字符 */
        if ((p == s || *(p - 1) == ' ') && *p >= 'a' && *p <= 'z')
            *p = *p - 'a' + 'A';
    }
    printf("%s\n", s);
    return 0;
}
