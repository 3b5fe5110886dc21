/* 试除到平方根但不含平方根，平方数被当成素数 */
#include <stdio.h>
int isprime(int n)
{
    int i;
    if (n < 2)
        return 0;
    for (i = 2; i * i < n; i++)
        if (n % i == 0)
            return 0;
    return 1;
}
int main(void)
{
    FILE *fp;
    int x, count = 0, sum = 0;
    fp = fopen("data_11.dat", "r");
    if (fp == NULL) {
        printf("cannot open data_11.dat\n");
        return 1;
    }
    while (fscanf(fp, "%d", &x) == 1) {
        if (isprime(x)) {
            count++;
            sum += x;
        }
    }
    fclose(fp);
    printf("count=%d sum=%d\n", count, sum);
    return 0;
}
