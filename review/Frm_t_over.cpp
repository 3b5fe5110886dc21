#include "review/Frm_t_over.h"

Frm_t_over::Frm_t_over(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frm_t_over"));
}
