#pragma once

#include "data/QuestionBank.h"

#include <QString>

// The bundled bank: an SQLite file opened read-only, queried with bound parameters.
class SqliteBank : public QuestionBank
{
public:
    // Opens the file and checks that it holds every table and field the program reads.
    // Throws BankError naming the file and the cause.
    explicit SqliteBank(const QString &path);
    ~SqliteBank() override;

    RecordSet chapters() override;
    RecordSet chapter(const QString &id, const QString &title) override;
    RecordSet algorithms() override;
    RecordSet algorithm(const QString &id) override;
    RecordSet testQuestions(QuestionKind kind, int group) override;
    RecordSet exerciseQuestions(QuestionKind kind, const QString &chapterId) override;
    RecordSet cases(const QString &table, int taskId) override;

private:
    RecordSet select(const QString &sql, const QVariantList &values);
    void checkSchema();

    QString m_connectionName;
    QString m_path;
    bool m_hasCases = false;
};
