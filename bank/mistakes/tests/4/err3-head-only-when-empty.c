/* 只在链表为空时才插到表头，比表头还小的数被插到了第一个结点之后 */
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
    if (head == NULL)
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
