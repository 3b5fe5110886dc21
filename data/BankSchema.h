#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The tables of a question bank, written down once: the bank tool writes a bank by them, the
// program checks by them that a bank it opens holds everything it reads, and the tests build
// their banks by them.
namespace BankSchema {
struct Table
{
    QString name;
    QList<QPair<QString, QString>> fields; // name and SQL type, in order; the first is the key
    bool required = true;                  // a bank must hold it to be opened
    QString constraints;                   // beyond the fields' own, e.g. a key of several fields
    QList<QPair<QString, QString>> indexes; // name and fields of each index the queries look up by
};

const QList<Table> &tables();
QStringList fields(const QString &table);        // the field names, in order
bool isQuestionTable(const QString &table);      // c_test or c_excer
QStringList createStatements(); // the tables, then their indexes
QString insertStatement(const QString &table);   // every field in order, each a ? placeholder
}
