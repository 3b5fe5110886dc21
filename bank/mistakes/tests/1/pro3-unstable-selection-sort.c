/* 用选择排序，成绩相同的学生换了先后 */
#include <stdio.h>

struct student {
    char name[20];
    int score;
};

int main(void)
{
    struct student s[50];
    struct student t;
    int n, i, j;
    scanf("%d", &n);
    for (i = 0; i < n; i++)
        scanf("%19s%d", s[i].name, &s[i].score);
    for (i = 0; i < n - 1; i++)
        for (j = i + 1; j < n; j++)
            if (s[i].score < s[j].score) {
                t = s[i];
                s[i] = s[j];
                s[j] = t;
            }
    for (i = 0; i < n; i++)
        printf("%s %d\n", s[i].name, s[i].score);
    return 0;
}
