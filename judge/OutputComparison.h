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

}
