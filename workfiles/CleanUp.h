#pragma once

#include "workfiles/WorkFolders.h"

#include <QString>
#include <QStringList>

// Clearing a work folder before a test or an exercise.
namespace CleanUp {
// If the work folder (a real path from WorkFolders::ready) holds a file matching one of the wild-card
// names, every file leaves it; sub-folders stay. A task file exactly as this run handed it out is
// deleted; everything else, the student's work, goes into a new run of the kind's history. Throws
// WorkFileError naming a file that could not be moved or deleted; no file is deleted before every
// move has succeeded, and none whose move failed.
void emptyFolderIfAny(WorkKind kind, const QString &folder, const QStringList &wildcards);
}
