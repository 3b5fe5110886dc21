/* 每组没有补足 3 位 */
#include <stdio.h>

void print_commas(long long n)
{
    if (n < 0) {
        putchar('-');
        n = -n;
    }
    if (n < 1000) {                  /* 最高的一组，不补 0 */
        printf("%lld", n);
        return;
    }
    print_commas(n / 1000);          /* 先输出前面的各组 */
    printf(",%lld", n % 1000);     /* 再输出最低的一组 */
}

int main(void)
{
    long long n;
    while (scanf("%lld", &n) == 1) {
        print_commas(n);
        printf("\n");
    }
    return 0;
}
