/* 没有先减去 'a'（'A'），对 26 求余的是字母的 ASCII 码 */
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
            s[i] = (s[i] + k) % 26 + 'a';
        else if (s[i] >= 'A' && s[i] <= 'Z')
            s[i] = (s[i] + k) % 26 + 'A';
    }
    printf("%s\n", s);
    return 0;
}
