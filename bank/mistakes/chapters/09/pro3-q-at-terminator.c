/* q 指向了字符串末尾的 \0 而不是最后一个字符 */
#include <stdio.h>
#include <string.h>
int main(void)
{
    char s[80];
    char *p, *q;
    scanf("%79s", s);
    p = s;
    q = s + strlen(s);
    while (p < q && *p == *q)
    {
        p++;
        q--;
    }
    if (p < q)
        printf("NO\n");
    else
        printf("YES\n");
    return 0;
}
