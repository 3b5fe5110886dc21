/* 把制表符也当作空格压缩 */
#include <stdio.h>
int main(void)
{
    int c, prev = '\n';
    while ((c = getchar()) != '\n' && c != EOF) {
        if ((c != ' ' && c != '\t') || (prev != ' ' && prev != '\t'))
            putchar(c);
        prev = c;
    }
    putchar('\n');
    return 0;
}
