#include "review/RunRecording.h"

#include "platform/MessageBox.h"
#include "record/LearningRecord.h"

RecordStatus RunRecording::record(QWidget *parent, const FinishedRun &run)
{
    const RecordStatus status = LearningRecord::save(run);
    const QString notice = status.notice(run.kind);
    if (!notice.isEmpty())
        MessageBox::show(parent, notice, QStringLiteral("信息提示"), QMessageBox::Ok, status.icon());
    return status;
}
