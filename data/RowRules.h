#pragma once

#include "data/Record.h"

#include <QString>

// What makes a row unfit for the window that reads it. The start-up check names every such row
// (RowCheck); the lists leave out the entries they could not open.
namespace RowRules {

// Why the id of a chapter or algorithm cannot key its list entry, empty when it can: the lists
// take the first two characters of an entry as its key.
QString idFault(const Record &row);
// Whether a chapter or algorithm has its list entry: its id keys it and its title can be shown
// (a chapter is looked up by its title too).
bool listed(const Record &row);
// The correct option of a choice row (in field) as the windows show it: without the blanks around
// it, a letter a to d as its capital (old banks hold "b" or " C "); any other key as it is stored.
QString answerKey(const Record &row, const QString &field);
// Why that key is not one of A to D, empty when it is.
QString answerFault(const Record &row, const QString &field);

}
