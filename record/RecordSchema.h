#pragma once

class QSqlDatabase;
class QString;

// The record's tables, versioned: each version adds to the one before, so a record made by an
// older program is brought up to date in place, never rebuilt.
namespace RecordSchema {
int currentVersion();
// Brings the record to the current version in one transaction. Throws RecordError; a record of a
// newer program is refused, not touched.
void migrate(QSqlDatabase &db, const QString &path);
}
