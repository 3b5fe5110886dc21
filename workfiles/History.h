#pragma once

#include "workfiles/WorkFolders.h"

#include <QString>
#include <QStringList>

// What the clean-ups take out of the work folders, kept beside them: c_zhiqiao/history/test and
// c_zhiqiao/history/excer, one folder per clean-up named by its time ("2026-12-06_153012", then
// "2026-12-06_153012-2" for a second one in the same second), the newest 20 of each kind.
namespace History {
inline constexpr int kept = 20;

// Moves the named entries of the work folder (files, or links as links) into a new run folder of
// the kind's history, then removes the oldest runs beyond the newest 20. Throws WorkFileError naming
// the first entry that could not be moved: it and the ones after it stay where they were.
void keep(WorkKind kind, const QString &workFolder, const QStringList &names);
}
