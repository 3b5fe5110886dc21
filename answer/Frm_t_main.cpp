#include "answer/Frm_t_main.h"

Frm_t_main::Frm_t_main(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frm_t_main"));
}
