/* 不管行末有没有换行符，都把最后一个字符当作换行符去掉 */
#include <stdio.h>
#include <string.h>

int main(void)
{
    char line[100];
    char out[8 * 80 + 2];
    int i, k, tabs = 0;
    while (fgets(line, sizeof line, stdin) != NULL) {
        line[strlen(line) - 1] = '\0';
        k = 0;
        for (i = 0; line[i] != '\0'; i++) {
            if (line[i] == '\t') {
                tabs++;
                do
                    out[k++] = ' ';
                while (k % 8 != 0);
            } else {
                out[k++] = line[i];
            }
        }
        out[k++] = '\n';
        out[k] = '\0';
        fputs(out, stdout);
    }
    printf("tabs=%d\n", tabs);
    return 0;
}
