#pragma once

#include "data/Record.h"

#include <QString>

// What makes a row unfit for the window that reads it. The start-up check names every such row
// (RowCheck); the windows leave out the rows that would mislead.
namespace RowRules {

// Why the id of a chapter or algorithm cannot key its list entry, empty when it can: the lists
// take the first two characters of an entry as its key.
QString idFault(const Record &row);
// Whether a chapter or algorithm has its list entry: its id keys it and its title can be shown
// (a chapter is looked up by its title too).
bool listed(const Record &row);
// Why the correct option of a choice row (in field) is not one of A to D, empty when it is.
QString answerFault(const Record &row, const QString &field);

}
