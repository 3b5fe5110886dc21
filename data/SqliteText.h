#pragma once

class QSqlDatabase;
struct sqlite3;

// SQL functions that tell text the program can show from what it cannot, on a connection of
// Qt's SQLite driver, which would otherwise hand over bytes that are not UTF-8 as garbled text:
//   readable_text(x)  x itself, except a text whose bytes are not UTF-8: a blob of those bytes
//   text_fault(x)     'blob' for binary data, 'utf8' for a text that is not UTF-8, else NULL
namespace SqliteText {
// The SQLite connection beneath an open connection of Qt's driver, or null.
sqlite3 *handle(const QSqlDatabase &db);
// Returns whether the functions could be registered.
bool install(sqlite3 *connection);
}
