/* 十六进制用了小写字母 */
#include <stdio.h>
int main(void)
{
    char s[81];
    int key, i;
    scanf("%80s%d", s, &key);
    for (i = 0; s[i] != '\0'; i++)
    {
        s[i] = (char)(s[i] ^ key);
        printf("%02x ", (unsigned int)(unsigned char)s[i]);
    }
    printf("\n");
    for (i = 0; s[i] != '\0'; i++)
        s[i] = (char)(s[i] ^ key);
    printf("%s\n", s);
    return 0;
}
