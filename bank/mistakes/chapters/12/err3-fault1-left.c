/* 只改对了其余的错误，这一处没有改：fwrite(a, sizeof(struct rec), 1, fp);（应为 fwrite(a, sizeof(struct rec), 3, fp);） */
#include <stdio.h>
struct rec
{
    int id;
    int score;
};
int main(void)
{
    struct rec a[3] = {{1, 88}, {2, 75}, {3, 93}};
    struct rec r;
    long n;
    FILE *fp = fopen("rec.dat", "wb");
    if (fp == NULL)
    {
        printf("cannot open rec.dat\n");
        return 1;
    }
    fwrite(a, sizeof(struct rec), 1, fp);
    fclose(fp);
    fp = fopen("rec.dat", "rb");
    if (fp == NULL)
    {
        printf("cannot open rec.dat\n");
        return 1;
    }
    fseek(fp, 0L, SEEK_END);
    n = ftell(fp) / (long)sizeof(struct rec);
    printf("records=%ld\n", n);
    rewind(fp);
    while (fread(&r, sizeof(struct rec), 1, fp) == 1)
        printf("%d %d\n", r.id, r.score);
    fclose(fp);
    return 0;
}
