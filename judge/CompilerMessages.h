#pragma once

#include <QList>
#include <QString>

// One message of the C compiler about the student's file, with the lines it shows below it.
struct CompilerMessage
{
    int line = 0;       // the line it names, from 1; 0 when it names none (the linker's)
    int column = 0;
    bool error = false; // an error, else a warning
    QString message;    // "expected ',' or ';' before 'printf'"
    QString text;       // as the compiler wrote it: its first line, the source line and the marks below
    int faultLine = 0;  // where the fault most likely is: a missing ';' ends the line before the one named
};

// The compiler's output read as messages; gcc and clang write "file:line:column: error: ...".
namespace CompilerMessages {

// The messages of the output about fileName, whose text is source, in the order written. Lines
// that only say where ("In function 'main':") are left out; notes go with the message before.
QList<CompilerMessage> parse(const QString &output, const QString &fileName, const QString &source);

}
