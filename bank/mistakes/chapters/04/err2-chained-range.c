/* 把 80～100 写成 80 <= score <= 100 */
#include <stdio.h>
int main(void)
{
    int score;
    scanf("%d", &score);
    if (80 <= score <= 100)
        printf("A\n");
    else if (score >= 60)
        printf("B\n");
    else
        printf("C\n");
    return 0;
}
