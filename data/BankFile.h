#pragma once

#include <QString>
#include <QStringList>

// Where the question bank lives: the file given on the command line, else the first of the
// candidate files that exists.
namespace BankFile {
// The bank to open. Throws BankError naming every place tried when none of them holds a bank.
QString path();
// The files looked for, in order: in each bank folder the program's own bank before a bank
// of older installations.
QStringList candidates();
// The file given with --bank (or a test's bank); an empty text restores the lookup.
void setPath(const QString &file);
}
