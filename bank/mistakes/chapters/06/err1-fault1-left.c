/* 只改对了其余的错误，这一处没有改：for (i = 1; i < 5; i++)（应为 for (i = 0; i < 5; i++)） */
#include <stdio.h>
int main(void)
{
    int a[5] = {3, 8, 6, 9, 5};
    int i, sum = 0;
    double avg;
    for (i = 1; i < 5; i++)
        sum += a[i];
    avg = sum / 5.0;
    printf("avg=%.2f\n", avg);
    return 0;
}
