#pragma once

#include "data/QuestionBank.h"

#include <QString>
#include <QVariant>
#include <memory>

// The question bank of older installations: a password-protected Jet 4 (or Jet 3) database,
// read through libmdb, never written. libmdb has no query language worth trusting, so every
// query scans its table and filters and orders in C++ as the SQLite store's statements do:
// both stores return the same rows for the same content.
class JetBank : public QuestionBank
{
public:
    // Opens the file, checks its password ("583926" or none) and that it holds every table and
    // field the program reads. Throws BankError naming the file and the cause.
    explicit JetBank(const QString &path);
    ~JetBank() override;

    RecordSet chapters() override;
    RecordSet chapter(const QString &id, const QString &title) override;
    RecordSet algorithms() override;
    RecordSet algorithm(const QString &id) override;
    RecordSet chapterList() override;
    RecordSet algorithmList() override;
    RecordSet testQuestions(QuestionKind kind, int group) override;
    RecordSet exerciseQuestions(QuestionKind kind, const QString &chapterId) override;
    RecordSet question(const QuestionRef &question) override;
    QList<CheckedRow> checkRows(const QString &table, const QStringList &values, const QStringList &texts,
                                const QStringList &longTexts) override;
    RecordSet cases(const QString &table, int taskId) override;
    int faults(const QString &table, int taskId) override;

    // Every row of one of the bank's tables (the fields the program reads), in the order the file keeps them.
    RecordSet rows(const QString &table);

private:
    struct Database;
    using Condition = QPair<QString, QVariant>; // field = value, as SQLite compares them
    // The rows that meet every condition, ordered by orderBy (none: as the file keeps them),
    // holding the given fields (none: every field the program reads).
    RecordSet select(const QString &table, const QList<Condition> &where, const QString &orderBy, QStringList fields = {});

    std::unique_ptr<Database> m_db;
};
