/* 数空格的个数再加 1 */
#include <stdio.h>
int count_words(const char *s)
{
    int count = 1;
    for (; *s != '\0'; s++)
        if (*s == ' ')
            count++;
    return count;
}
int main(void)
{
    char line[82];
    if (fgets(line, sizeof(line), stdin) == NULL)
        return 0;
    printf("words=%d\n", count_words(line));
    return 0;
}
