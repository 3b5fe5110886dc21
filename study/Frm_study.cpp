#include "study/Frm_study.h"

#include "app/Forms.h"
#include "app/Frm_login.h"
#include "app/Twips.h"

#include <QCloseEvent>

Frm_study::Frm_study(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frm_study"));
    setWindowTitle(QStringLiteral("单元学习指导"));
    setFixedSize(twipsSize(11835, 7080));
}

void Frm_study::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms<Frm_study>::unload();
    Forms<Frm_login>::show();
}
