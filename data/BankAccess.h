#pragma once

#include <QString>

// Why a bank file cannot be read, found before a database engine tries it: SQLite takes a folder
// for a disk I/O error, and a folder that may not be entered hides the file as if it were missing.
namespace BankAccess {

enum class Problem {
    None,          // the file can be read
    Missing,
    Folder,        // a folder stands where the file should be
    NotAFile,      // a pipe, device or socket stands there
    FolderDenied,  // a folder on the way may not be entered
    FileDenied,    // the file may not be read
    Other,         // the system's own reason
};

struct Finding
{
    Problem problem = Problem::None;
    QString detail; // FolderDenied: the folder; Other: the system's reason
};

Finding check(const QString &path);
// The finding in words, naming the file (and the folder).
QString message(const QString &path, const Finding &finding);
// Throws BankError with that message unless the file can be read.
void requireReadable(const QString &path);

}
