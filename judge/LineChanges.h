#pragma once

#include <QList>
#include <QString>

// How a corrected program departs from the faulty one, line by line. Blanks do not count, inside
// a line or as empty lines, except inside string and character literals: only what the compiler
// reads differently is a change.
namespace LineChanges {

struct Changes
{
    int count = 0;          // a changed line counts once, and so does a line added or removed
    QList<int> afterLines;  // the lines of the second text (from 1) that are new or changed
    QList<int> beforeLines; // the lines of the first text removed without a line in their place
};

Changes between(const QString &before, const QString &after);

}
