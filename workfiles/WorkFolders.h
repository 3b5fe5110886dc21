#pragma once

#include <QString>
#include <QStringList>

// The two work folders, c_zhiqiao/test and c_zhiqiao/excer, under one base folder: the drive root
// "c:\" on Windows, the home folder elsewhere.
namespace WorkFolders {
QString base();                        // always ends with a separator
void setBase(const QString &folder);   // test seam; an empty text restores the default
QString testPath();                    // base + c_zhiqiao/test, native separators, no trailing one
QString exercisePath();                // base + c_zhiqiao/excer
QString belowBase(const QString &path); // the part of a work path after base(), e.g. c_zhiqiao/test
QString join(const QString &folder, const QString &name); // folder + separator + name

// Creates every folder of the relative path under base, outermost first. Never reports an error:
// a folder that exists or cannot be made is passed over.
void CreateFolders(const QString &base, const QString &relativePath);
// A work folder (testPath(), exercisePath()) created level by level under the base.
void create(const QString &workFolder);

// The name of the first entry matching the pattern (a folder path plus a wild-card name, * and ?),
// counting hidden and system entries and folders; empty when nothing matches or anything fails.
QString DirFirst(const QString &pattern);

// Deletes every file of the folder (sub-folders stay) if it holds an entry matching one of the
// wild-card names. Throws WorkFileError naming a file that could not be deleted.
void emptyFolderIfAny(const QString &folder, const QStringList &wildcards);
}
