#pragma once

#include "record/FinishedRun.h"
#include "record/RecordStatus.h"

#include <QString>

// Writes a finished run into the record at path in one transaction, with what it changes in the
// notebook. A damaged record is moved aside and the run written into a new one; any other fault
// leaves the record as it was and is told in the status.
RecordStatus recordRun(const QString &path, const FinishedRun &run);
