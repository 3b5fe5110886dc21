/* 大写字母也以 'a' 为基准，s[i] - 'a' 是负数，求余不能绕回 */
#include <stdio.h>
#include <string.h>
int main(void)
{
    char s[82];
    int k, i;
    if (scanf("%d", &k) != 1)
        return 1;
    getchar();
    if (fgets(s, sizeof s, stdin) == NULL)
        return 1;
    s[strcspn(s, "\n")] = '\0';
    for (i = 0; s[i] != '\0'; i++) {
        if (s[i] >= 'a' && s[i] <= 'z')
            s[i] = (s[i] - 'a' + k) % 26 + 'a';
        else if (s[i] >= 'A' && s[i] <= 'Z')
            s[i] = (s[i] - 'a' + k) % 26 + 'a';
    }
    printf("%s\n", s);
    return 0;
}
