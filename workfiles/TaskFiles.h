#pragma once

#include <QString>

// The C source and data files a test or exercise writes for the student's editor.
namespace TaskFiles {
// "blank_2.c", "err_1.c", "pro_3.c": kind is blank, err or pro; i is the task's number.
QString sourceName(const QString &kind, int i);
// "data_21.dat" for task 2: the digit 1 after the number belongs to every data file name.
QString dataName(int i);
// Creates or replaces folder/name holding text and one CR LF, in the system's code page and
// without a byte-order mark. A link of that name is replaced, never written through. Throws
// WorkFileError naming the file when it cannot be written whole. What was written is recorded
// beside the folder, hidden in its parent (".test.handed-out" for the folder "test").
void write(const QString &folder, const QString &name, const QString &text);
// Whether path is a plain file holding exactly what was last written there, by this run or an
// earlier one, so that removing it loses nothing of the student's.
bool isAsHandedOut(const QString &path);
}
