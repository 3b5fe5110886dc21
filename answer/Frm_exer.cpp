#include "answer/Frm_exer.h"

Frm_exer::Frm_exer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frm_exer"));
}
