/* 只改对了其余的错误，这一处没有改：avg = sum / 5;（应为 avg = sum / 5.0;） */
#include <stdio.h>
int main(void)
{
    int a[5] = {3, 8, 6, 9, 5};
    int i, sum = 0;
    double avg;
    for (i = 0; i < 5; i++)
        sum += a[i];
    avg = sum / 5;
    printf("avg=%.2f\n", avg);
    return 0;
}
