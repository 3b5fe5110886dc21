/* 只改对了其余的错误，这一处没有改：break;（应为 continue;） */
#include <stdio.h>
int main(void)
{
    int x, cnt = 0, sum = 0;
    while (scanf("%d", &x) == 1) {
        if (x == 0)
            break;
        if (x < 0)
            break;
        cnt++;
        sum += x;
    }
    printf("cnt=%d sum=%d\n", cnt, sum);
    return 0;
}
