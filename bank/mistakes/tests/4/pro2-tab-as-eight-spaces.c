/* 每个制表符一律换成 8 个空格，没有补到下一个制表位 */
#include <stdio.h>

int main(void)
{
    char line[100];
    char out[8 * 80 + 2];
    int i, j, k, tabs = 0;
    while (fgets(line, sizeof line, stdin) != NULL) {
        k = 0;
        for (i = 0; line[i] != '\0' && line[i] != '\n'; i++) {
            if (line[i] == '\t') {
                tabs++;
                for (j = 0; j < 8; j++)
                    out[k++] = ' ';
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
