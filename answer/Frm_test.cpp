#include "answer/Frm_test.h"

#include "app/Forms.h"
#include "app/Frm_login.h"
#include "app/Twips.h"

#include <QCloseEvent>

Frm_test::Frm_test(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frm_test"));
    setWindowTitle(QStringLiteral("智桥--C语言综合练习"));
    setFixedSize(twipsSize(8790, 5520));
}

void Frm_test::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms<Frm_test>::unload();
    Forms<Frm_login>::show();
}
