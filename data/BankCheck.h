#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The start-up check every store makes: the file holds each table and field the windows read.
namespace BankCheck {

// The fields of a table as the store finds them, or nothing when the file has no such table. Any
// other failure to read the table is a damaged bank: the store throws BankError saying so, so
// that damage is never taken for a table the bank may lack.
using FieldsOf = std::function<std::optional<QStringList>(const QString &table)>;

// Throws BankError naming the file and the first table or field that is missing; a table a bank
// may lack is checked only when it is there. Field names are compared without regard to case, as
// both database engines do. Returns the tables the bank holds.
QStringList requireTables(const QString &path, const FieldsOf &fieldsOf);

}
