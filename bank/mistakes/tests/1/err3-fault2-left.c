/* 只改对了其余的错误，这一处没有改：return sum / count;（应为 return (double)sum / count;） */
#include <stdio.h>

double add(int x)
{
    static int sum = 0, count = 0;
    sum += x;
    count++;
    return sum / count;
}

int main(void)
{
    int x;
    while (scanf("%d", &x) == 1)
        printf("%.2f\n", add(x));
    return 0;
}
