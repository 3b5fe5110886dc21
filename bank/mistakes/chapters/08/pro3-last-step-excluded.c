/* 循环条件写成 c < high */
#include <stdio.h>
#define SHOW_HEADER
#define C2F(c) ((c) * 9.0 / 5 + 32)
int main(void)
{
    int low, high, step, c;
    scanf("%d%d%d", &low, &high, &step);
#ifdef SHOW_HEADER
    printf("C F\n");
#endif
    for (c = low; c < high; c += step)
        printf("%d %.1f\n", c, C2F(c));
    return 0;
}
