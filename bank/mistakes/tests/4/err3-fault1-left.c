/* 只改对了其余的错误，这一处没有改：（多了一行）（应为 break;） */
#include <stdio.h>
int main(void)
{
    int y, m, d, days;
    while (scanf("%d%d%d", &y, &m, &d) == 3) {
        switch (m) {
        case 2:
            days = ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0) ? 29 : 28;
            break;
        case 4:
        case 6:
        case 9:
        case 11:
            days = 30;
        default:
            days = 31;
        }
        if (m >= 1 && m <= 12 && d >= 1 && d <= days)
            printf("%d-%d-%d valid\n", y, m, d);
        else
            printf("%d-%d-%d invalid\n", y, m, d);
    }
    return 0;
}
