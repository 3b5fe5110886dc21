#include "app/BadRowsNotice.h"

#include "data/RowCheck.h"
#include "platform/MessageBox.h"

void BadRowsNotice::showIfAny(QWidget *parent, QuestionBank &bank)
{
    const QString notice = RowCheck::notice(RowCheck::run(bank));
    if (!notice.isEmpty())
        MessageBox::show(parent, notice, QStringLiteral("信息提示"), QMessageBox::Ok, QMessageBox::Information);
}
