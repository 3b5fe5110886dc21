#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

// A question bank built by a test: an SQLite file with the program's tables, filled row by row.
class TestBank
{
public:
    TestBank();
    ~TestBank();

    QString path() const { return m_path; }

    void addChapter(const QString &id, const QString &title, const QVariant &content = QString());
    void addAlgorithm(const QString &id, const QString &title, const QVariant &content = QString());
    // c_test row: type "1".."4"; fields beyond the given ones are empty text.
    void addTest(const QString &type, int group, const QVariantMap &fields);
    // c_excer row: type "01".."04".
    void addExercise(const QString &type, const QString &chapterId, const QVariantMap &fields);
    // Convenience: a choice row of a test set with options "选项A".."选项D" and the given answer.
    void addTestChoice(int group, const QString &title, const QString &answer = QStringLiteral("A"));
    void addExerciseChoice(const QString &chapterId, const QString &title, const QString &answer = QStringLiteral("A"));

    // c_case row of the task with the given id in table (c_test or c_excer); data null when the
    // task has no data file.
    void addCase(const QString &table, int taskId, int caseNo, const QVariantMap &fields);
    // c_fault row: how many lines of the correction task with the given id are wrong.
    void addFaults(const QString &table, int taskId, int faults);
    // The id the next c_test or c_excer row gets.
    int nextId() const { return m_nextId; }

    void exec(const QString &sql, const QVariantList &values = {});

private:
    // One row; fields it does not give are empty text.
    void insert(const QString &table, const QVariantMap &row);

    QTemporaryDir m_dir;
    QString m_path;
    QString m_connection;
    int m_nextId = 1;
};
