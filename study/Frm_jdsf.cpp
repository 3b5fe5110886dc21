#include "study/Frm_jdsf.h"

#include "app/Forms.h"
#include "app/Frm_login.h"
#include "app/Twips.h"

#include <QCloseEvent>

Frm_jdsf::Frm_jdsf(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frm_jdsf"));
    setWindowTitle(QStringLiteral("C语言 智桥 -经典算法"));
    setFixedSize(twipsSize(11040, 6510));
}

void Frm_jdsf::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms<Frm_jdsf>::unload();
    Forms<Frm_login>::show();
}
