/* 只改对了其余的错误，这一处没有改：d = d & (unsigned int)month << 5;（应为 d = d | (unsigned int)month << 5;） */
#include <stdio.h>
int main(void)
{
    int year = 2024, month = 9, day = 18;
    unsigned int d, y, m, dd;
    d = (unsigned int)(year - 2000) << 9;
    d = d & (unsigned int)month << 5;
    d = d | (unsigned int)day;
    printf("%04X\n", d);
    y = (d >> 9) + 2000;
    m = (d >> 5) & 0xF;
    dd = d & 0x1F;
    printf("%u-%u-%u\n", y, m, dd);
    return 0;
}
