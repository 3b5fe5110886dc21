/* 只改对了其余的错误，这一处没有改：else if (s[i] != s[j]) {（应为 else if (tolower(s[i]) != tolower(s[j])) {） */
#include <stdio.h>
#include <string.h>
#include <ctype.h>

int main(void)
{
    char s[82];
    int i, j, ok = 1;
    if (fgets(s, sizeof(s), stdin) == NULL)
        return 0;
    i = 0;
    j = strlen(s) - 1;
    while (i < j) {
        if (!isalpha(s[i]))
            i++;
        else if (!isalpha(s[j]))
            j--;
        else if (s[i] != s[j]) {
            ok = 0;
            break;
        } else {
            i++;
            j--;
        }
    }
    printf("%s\n", ok ? "yes" : "no");
    return 0;
}
