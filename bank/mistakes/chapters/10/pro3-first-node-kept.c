/* 删除时没有处理头结点 */
#include <stdio.h>
#include <stdlib.h>
struct node
{
    int data;
    struct node *next;
};
int main(void)
{
    struct node *head = NULL, *tail = NULL, *p, *prev;
    int x;
    while (scanf("%d", &x) == 1 && x != 0)
    {
        p = (struct node *)malloc(sizeof(struct node));
        if (p == NULL)
            return 1;
        p->data = x;
        p->next = NULL;
        if (head == NULL)
            head = p;
        else
            tail->next = p;
        tail = p;
    }
    /* prev 始终指向 p 的前一个结点，删除时用它接上后面的链 */
    prev = NULL;
    p = head;
    while (p != NULL)
    {
        if (p->data % 2 == 0 && prev != NULL)
        {
            if (prev == NULL)
                head = p->next;
            else
                prev->next = p->next;
            free(p);
            p = (prev == NULL) ? head : prev->next;
        }
        else
        {
            prev = p;
            p = p->next;
        }
    }
    for (p = head; p != NULL; p = p->next)
        printf("%d ", p->data);
    printf("\n");
    while (head != NULL)
    {
        p = head;
        head = head->next;
        free(p);
    }
    return 0;
}
