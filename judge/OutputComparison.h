#pragma once

#include <QString>
#include <QStringList>

// How a program's output is held against the expected output: line by line, ignoring blanks at the
// end of a line, CR LF against LF and empty lines at the end; everything else must match.
namespace OutputComparison {

// The lines of an output as they are compared.
QStringList lines(const QString &output);
// The index of the first line where the two differ (a missing line differs), or -1 when they agree.
qsizetype firstDifference(const QStringList &expected, const QStringList &actual);
// Whether two outputs hold the same words in the same order, however blanks and line breaks lie
// between them: when they differ, only in their layout.
bool sameWords(const QString &expected, const QString &actual);
// The first column (from 0) where two lines differ, or -1 when they are equal.
qsizetype firstDifferentColumn(const QString &expected, const QString &actual);

}
