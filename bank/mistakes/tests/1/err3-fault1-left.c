/* 只改对了其余的错误，这一处没有改：int sum = 0, count = 0;（应为 static int sum = 0, count = 0;） */
#include <stdio.h>

double add(int x)
{
    int sum = 0, count = 0;
    sum += x;
    count++;
    return (double)sum / count;
}

int main(void)
{
    int x;
    while (scanf("%d", &x) == 1)
        printf("%.2f\n", add(x));
    return 0;
}
