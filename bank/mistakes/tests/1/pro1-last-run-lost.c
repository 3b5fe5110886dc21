/* 循环结束后没有输出最后一段 */
#include <stdio.h>
int main(void)
{
    FILE *fp;
    int x, value = 0, len = 0, runs = 0;
    fp = fopen("data_11.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    while (fscanf(fp, "%d", &x) == 1) {
        if (len > 0 && x == value) {
            len++;
        } else {
            if (len > 0) {          /* 前一段结束 */
                printf("%d %d\n", value, len);
                runs++;
            }
            value = x;
            len = 1;
        }
    }
    fclose(fp);
    printf("runs=%d\n", runs);
    return 0;
}
