#pragma once

#include "data/BankError.h"
#include "data/QuestionBank.h"

#include <QElapsedTimer>
#include <QHash>
#include <QString>

class QSqlError;
class QSqlQuery;

// The bundled bank: an SQLite file opened read-only, queried with bound parameters.
class SqliteBank : public QuestionBank
{
public:
    // Opens the file and checks that it holds every table and field the program reads. A file
    // another program holds locked is waited for a second. Throws BankError naming the file and
    // the cause.
    explicit SqliteBank(const QString &path);
    ~SqliteBank() override;

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

    // The time one statement may take before it is ended as a failure (10 s unless a test says).
    static void setTimeLimit(int ms);

private:
    RecordSet select(const QString &sql, const QVariantList &values);
    void run(QSqlQuery &query, const QString &sql, const QVariantList &values);
    // The type of each table-like object of the file, by lower-case name: "table", "view" or
    // "virtual table".
    QHash<QString, QString> objectTypes();
    void checkSchema();
    BankError failure(const QSqlError &error) const;

    QString m_connectionName;
    QString m_path;
    bool m_hasCases = false;
    QElapsedTimer m_clock; // since the statement under way started
    bool m_hasFaults = false;
};
