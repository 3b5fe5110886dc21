#include "review/Frm_excer_over.h"

Frm_excer_over::Frm_excer_over(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frm_excer_over"));
}
