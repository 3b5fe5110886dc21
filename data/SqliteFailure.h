#pragma once

#include "data/BankError.h"

class QSqlError;
class QString;

// What a failed SQLite call means for the bank, in words the student can act on: a lock another
// program holds, a file that is no bank or is damaged, a bank on read-only media that SQLite
// must write beside to read, a query that ran past its time. The engine's own words only for
// what none of these covers.
namespace SqliteFailure {
// timeLimitMs: the time a statement was given, for one that ran past it.
BankError of(const QString &path, const QSqlError &error, int timeLimitMs);
}
