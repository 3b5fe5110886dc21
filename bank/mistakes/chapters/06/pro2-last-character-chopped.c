/* 以为读入的行一定以换行符结尾，直接去掉了最后一个字符 */
#include <stdio.h>
#include <ctype.h>
int main(void)
{
    char s[82] = "";
    int i, letters = 0, digits = 0, spaces = 0, others = 0;
    if (fgets(s, sizeof(s), stdin) != NULL && s[0] != '\0')
        s[strlen(s) - 1] = '\0';
    for (i = 0; s[i] != '\0' && s[i] != '\n'; i++) {
        if (isalpha(s[i]))
            letters++;
        else if (isdigit(s[i]))
            digits++;
        else if (s[i] == ' ')
            spaces++;
        else
            others++;
    }
    printf("letters=%d digits=%d spaces=%d others=%d\n", letters, digits, spaces, others);
    return 0;
}
