#pragma once

#include "record/FinishedRun.h"

#include <QMessageBox>
#include <QString>

// How recording a run went. Recording never stops a run: the caller shows notice(), if any.
struct RecordStatus
{
    QString file;       // the record
    bool recorded = true;
    QString reason;     // not recorded: why, in Chinese
    QString movedAside; // the damaged record was moved to this name and a new one started

    // What the student is told, empty when all went well.
    QString notice(RunKind kind) const;
    QMessageBox::Icon icon() const { return recorded ? QMessageBox::Information : QMessageBox::Warning; }
};
