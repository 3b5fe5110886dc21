#pragma once

#include "workfiles/WorkFolders.h"

#include <QString>

// Keeps other copies of the program out of a work folder while a window of this one uses it, so
// that a test or exercise started there never moves away the work another copy has open. The lock
// is a file beside the folder (c_zhiqiao/test.lock, c_zhiqiao/excer.lock); one left by a copy that
// ended without removing it is taken over.
namespace WorkFolderLock {

// Takes the work folder of the kind (a real path from WorkFolders::ready) for this copy, unless it
// holds it already. Throws WorkFileError when another copy holds it. A lock that cannot be made at
// all (a read-only folder) is passed over: the folder is then used as it was before locks.
void take(WorkKind kind, const QString &folder);
// Gives the folder back when the window that used it goes.
void release(WorkKind kind);
// Whether this copy holds the folder of the kind.
bool isHeld(WorkKind kind);

}
