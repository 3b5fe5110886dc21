#pragma once

#include "data/QuestionBank.h"

#include <QList>
#include <QString>

// The start-up check of the rows the windows read. What each kind of fault does in the windows:
//   - a chapter or algorithm whose id is not two characters, or whose title cannot be shown, has
//     no list entry (it could not be opened by it);
//   - a question whose type is empty or no known kind is in no test or exercise (no query asks for it);
//   - a choice question whose correct option is not A to D (a to d and blanks around are taken)
//     keeps its place, and the review shows the key as stored;
//   - a text that is binary data or not UTF-8 shows as Record::unreadableNotice() and is never
//     written into a task file.
// A study text is only checked for being binary data: reading every one at start-up would cost
// far more than the check is worth. One that is not UTF-8 shows the notice when it is chosen.
struct RowFault
{
    QString table;
    QString id;     // the row's key as text
    QString field;
    QString reason;

    QString line() const; // "table id: field: reason"
};

namespace RowCheck {
// Every fault of the bank's rows, once each, table by table in key order.
QList<RowFault> run(QuestionBank &bank);
// The information box's text naming at most 20 of the faults and counting the others; empty
// when there are none.
QString notice(const QList<RowFault> &faults);
}
