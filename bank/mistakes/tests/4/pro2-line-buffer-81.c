/* 读入一行的数组只有 81 个元素：80 个字符的行连同换行符放不下，被 fgets 分成了两次读入 */
#include <stdio.h>

int main(void)
{
    char line[81];
    char out[8 * 80 + 2];
    int i, k, tabs = 0;
    while (fgets(line, sizeof line, stdin) != NULL) {
        k = 0;
        for (i = 0; line[i] != '\0' && line[i] != '\n'; i++) {
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
