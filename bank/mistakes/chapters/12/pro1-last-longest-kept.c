/* 长度相同时取了最后一行 */
#include <stdio.h>
#include <string.h>
int main(void)
{
    char line[82], longest[82] = "";
    int n = 0, maxlen = -1, maxno = 0, len;
    FILE *fp = fopen("data_11.dat", "r");
    if (fp == NULL)
    {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    while (fgets(line, sizeof(line), fp) != NULL)
    {
        n++;
        line[strcspn(line, "\n")] = '\0';   /* 去掉行末的换行符再求长度 */
        len = (int)strlen(line);
        if (len >= maxlen)
        {
            maxlen = len;
            maxno = n;
            strcpy(longest, line);
        }
    }
    fclose(fp);
    printf("lines=%d\n", n);
    if (n > 0)
        printf("longest=%d: %s\n", maxno, longest);
    return 0;
}
