#include "support/TestBank.h"

#include "data/BankSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {
int s_banks = 0;

const QStringList kTestFields = {"title", "ch1", "ch2", "ch3", "ch4", "ch_answer", "answer", "explain",
                                 "content", "data_file", "data_file1"};
const QStringList kExerciseFields = {"title", "ch_1", "ch_2", "ch_3", "ch_4", "answer", "explain",
                                     "content", "data_file", "data_file1"};
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

void TestBank::addChapter(const QString &id, const QString &title, const QVariant &content)
{
    exec(QStringLiteral("insert into chapter (id, title, content) values (?, ?, ?)"), {id, title, content});
}

void TestBank::addAlgorithm(const QString &id, const QString &title, const QVariant &content)
{
    exec(QStringLiteral("insert into jdsf (id, title, content) values (?, ?, ?)"), {id, title, content});
}

void TestBank::addTest(const QString &type, int group, const QVariantMap &fields)
{
    QVariantList values{m_nextId++, type, group};
    for (const QString &f : kTestFields)
        values << fields.value(f, QString());
    exec(QStringLiteral("insert into c_test (id, type, group_id, %1) values (?, ?, ?%2)")
             .arg(kTestFields.join(u','), QStringLiteral(", ?").repeated(kTestFields.size())),
         values);
}

void TestBank::addExercise(const QString &type, const QString &chapterId, const QVariantMap &fields)
{
    QVariantList values{m_nextId++, type, chapterId};
    for (const QString &f : kExerciseFields)
        values << fields.value(f, QString());
    exec(QStringLiteral("insert into c_excer (id_test, type, c_id, %1) values (?, ?, ?%2)")
             .arg(kExerciseFields.join(u','), QStringLiteral(", ?").repeated(kExerciseFields.size())),
         values);
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
