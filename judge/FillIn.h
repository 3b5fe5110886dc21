#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A fill-in file read against the program as handed out: the text around the ___k___ marks is
// fixed, only what stands in each mark's place may differ. Blanks and line breaks are free, so a
// student may indent or break lines as they like.
namespace FillIn {

struct Reading
{
    bool fixedTextKept = false;
    int changedLine = 0;  // !fixedTextKept: the line of the student's file (from 1) where it first departs
    QList<int> blanks;    // the numbers k of the marks, in the order they stand
    QStringList fills;    // fixedTextKept: what the student wrote for each, blanks run together
    QList<int> unfilled;  // fixedTextKept: the numbers k left empty or still holding their mark
};

// The numbers k of the ___k___ marks in a text, in the order they stand.
QList<int> marks(const QString &text);
Reading read(const QString &handedOut, const QString &student);

}
