/* 区分了大小写，只数小写字母 */
#include <stdio.h>
#include <ctype.h>

int main(void)
{
    int count[26] = {0};
    int c, i, total = 0;
    FILE *fp = fopen("data_11.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    while ((c = fgetc(fp)) != EOF)
        if (islower(c)) {
            count[tolower(c) - 'a']++;    /* 'a' 记在 count[0]，'b' 记在 count[1]…… */
            total++;
        }
    fclose(fp);
    for (i = 0; i < 26; i++)
        if (count[i] > 0)
            printf("%c:%d\n", 'a' + i, count[i]);
    printf("letters=%d\n", total);
    return 0;
}
