#pragma once

#include <QString>
#include <QStringList>

// The two work folders, c_zhiqiao/test and c_zhiqiao/excer, under one base folder: the drive root
// "c:\" on Windows, the student's home folder elsewhere.
enum class WorkKind { Test, Exercise };

namespace WorkFolders {
// The student's home: $HOME, else the home of the password database. Throws WorkFileError when
// there is none, or when it is the file system's root.
QString home();
QString base();                        // always ends with a separator; throws as home() does
void setBase(const QString &folder);   // test seam; an empty text restores the default
QString testPath();                    // base + c_zhiqiao/test, native separators, no trailing one
QString exercisePath();                // base + c_zhiqiao/excer
QString path(WorkKind kind);           // one of the two above
QStringList levels(WorkKind kind);     // the folders below base: c_zhiqiao, then test or excer
QString join(const QString &folder, const QString &name); // folder + separator + name

// Creates every folder of the relative path under base, outermost first. Never reports an error:
// a folder that exists or cannot be made is passed over; firstError, when given, keeps the system's
// reason (errno) of the first that could not be made.
void CreateFolders(const QString &base, const QString &relativePath, int *firstError = nullptr);

// The folder base/levels... created level by level, each level checked before the next is made,
// and returned as its real path (every link resolved). Throws WorkFileError naming the folder when
// it cannot be made or leads outside the student's home.
QString ready(const QStringList &levels);
// The work folder of a kind, made ready as above; the path the windows work in.
QString ready(WorkKind kind);

// Whether path lies strictly inside folder (both real paths).
bool isInside(const QString &path, const QString &folder);

// The name of the first file matching the pattern (a folder path plus a wild-card name, * and ?),
// counting hidden and system files and links; folders do not count. Empty when nothing matches or
// anything fails.
QString DirFirst(const QString &pattern);
}
