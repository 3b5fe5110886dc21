/* 80 分的边界写成 score > 80 */
#include <stdio.h>
int main(void)
{
    int score;
    scanf("%d", &score);
    if (score > 80 && score <= 100)
        printf("A\n");
    else if (score >= 60)
        printf("B\n");
    else
        printf("C\n");
    return 0;
}
