#include "support/TestBank.h"

#include "data/BankSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {
int s_banks = 0;
}

TestBank::TestBank()
{
    m_path = m_dir.filePath(QStringLiteral("c_qiyuan.db"));
    m_connection = QStringLiteral("test-bank-%1").arg(++s_banks);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open())
        qFatal("cannot create test bank: %s", qPrintable(db.lastError().text()));
    for (const QString &sql : BankSchema::createStatements())
        exec(sql);
}

TestBank::~TestBank()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void TestBank::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(sql))
        qFatal("test bank: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        qFatal("test bank: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
}

void TestBank::insert(const QString &table, const QVariantMap &row)
{
    QVariantList values;
    for (const QString &field : BankSchema::fields(table))
        values << row.value(field, QString());
    exec(BankSchema::insertStatement(table), values);
}

void TestBank::addChapter(const QString &id, const QString &title, const QVariant &content)
{
    insert(QStringLiteral("chapter"), {{"id", id}, {"title", title}, {"content", content}});
}

void TestBank::addAlgorithm(const QString &id, const QString &title, const QVariant &content)
{
    insert(QStringLiteral("jdsf"), {{"id", id}, {"title", title}, {"content", content}});
}

void TestBank::addTest(const QString &type, int group, const QVariantMap &fields)
{
    QVariantMap row = fields;
    row[QStringLiteral("id")] = m_nextId++;
    row[QStringLiteral("type")] = type;
    row[QStringLiteral("group_id")] = group;
    insert(QStringLiteral("c_test"), row);
}

void TestBank::addExercise(const QString &type, const QString &chapterId, const QVariantMap &fields)
{
    QVariantMap row = fields;
    row[QStringLiteral("id_test")] = m_nextId++;
    row[QStringLiteral("type")] = type;
    row[QStringLiteral("c_id")] = chapterId;
    insert(QStringLiteral("c_excer"), row);
}

void TestBank::addCase(const QString &table, int taskId, int caseNo, const QVariantMap &fields)
{
    QVariantMap row = fields;
    row[QStringLiteral("task_table")] = table;
    row[QStringLiteral("task_id")] = taskId;
    row[QStringLiteral("case_no")] = caseNo;
    row.insert(QStringLiteral("hidden"), row.value(QStringLiteral("hidden"), 0));
    insert(QStringLiteral("c_case"), row);
}

void TestBank::addFaults(const QString &table, int taskId, int faults)
{
    insert(QStringLiteral("c_fault"), {{"task_table", table}, {"task_id", taskId}, {"faults", faults}});
}

void TestBank::addTestChoice(int group, const QString &title, const QString &answer)
{
    addTest(QStringLiteral("1"), group,
            {{"title", title}, {"ch1", "选项A"}, {"ch2", "选项B"}, {"ch3", "选项C"}, {"ch4", "选项D"},
             {"ch_answer", answer}, {"explain", title + QStringLiteral("的解析")}});
}

void TestBank::addExerciseChoice(const QString &chapterId, const QString &title, const QString &answer)
{
    addExercise(QStringLiteral("01"), chapterId,
                {{"title", title}, {"ch_1", "选项A"}, {"ch_2", "选项B"}, {"ch_3", "选项C"}, {"ch_4", "选项D"},
                 {"answer", answer}, {"explain", title + QStringLiteral("的解析")}});
}
