#include "data/SqliteBank.h"
#include "support/TestBank.h"

#include "BankFiles.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

// What only the SQLite store does; the cases every store shares are in tst_question_stores.
class TestSqliteBank : public QObject
{
    Q_OBJECT

    // Makes the bank to open in dir from a sound source bank; returns its path.
    using Make = std::function<QString(TestBank &source, const QTemporaryDir &dir)>;

    static QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("c_qiyuan.db"));
        writeBytes(path, bytes);
        return path;
    }

    static int rootPage(const QString &table)
    {
        QSqlQuery query(QSqlDatabase::database(QStringLiteral("root-page")));
        query.exec(QStringLiteral("select rootpage from sqlite_master where name = '%1'").arg(table));
        return query.next() ? query.value(0).toInt() : 0;
    }

private slots:
    void opensTheBankReadOnly()
    {
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"));
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("c_qiyuan.db"));
        QVERIFY(QFile::copy(source.path(), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QStringList before = QSqlDatabase::connectionNames();
        {
            SqliteBank bank(copy);
            QCOMPARE(bank.chapters().size(), 1);
            // The connection itself refuses to write: file permissions do not stop root.
            QStringList opened = QSqlDatabase::connectionNames();
            opened.removeIf([&](const QString &name) { return before.contains(name); });
            QCOMPARE(opened.size(), 1);
            QSqlQuery write(QSqlDatabase::database(opened.first(), false));
            QVERIFY(!write.exec(QStringLiteral("insert into chapter (id, title, content) values ('02', '写入', '')")));
            QVERIFY2(write.lastError().text().contains(QStringLiteral("readonly")), qPrintable(write.lastError().text()));
            QCOMPARE(bank.chapters().size(), 1);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"c_qiyuan.db"}));
    }

    void aBankThatCannotServeIsRefusedWithItsCause_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << Make([](TestBank &, const QTemporaryDir &dir) { return dir.filePath("none.db"); })
                                 << QStringLiteral("找不到题库文件 ");
        QTest::newRow("no database at all")
            << Make([](TestBank &, const QTemporaryDir &dir) { return writeFile(dir, QByteArray(4096, 'x')); })
            << QStringLiteral("不是题库：它既不是本程序的题库（SQLite 数据库），也不是旧版的题库（Jet 数据库）");
        QTest::newRow("cut short") << Make([](TestBank &source, const QTemporaryDir &dir) {
            return writeFile(dir, bytesOf(source.path()).left(2 * 4096));
        }) << QStringLiteral("已损坏，无法读取");
        QTest::newRow("its header damaged") << Make([](TestBank &source, const QTemporaryDir &dir) {
            QByteArray bytes = bytesOf(source.path());
            bytes[16] = 3; // a page size of 768: no size SQLite writes
            bytes[17] = 0;
            return writeFile(dir, bytes);
        }) << QStringLiteral("已损坏，无法读取：文件头已损坏");
        QTest::newRow("cases damaged") << Make([](TestBank &source, const QTemporaryDir &dir) {
            QByteArray bytes = bytesOf(source.path());
            const qsizetype page = qsizetype(rootPage(QStringLiteral("c_case")) - 1) * 4096;
            bytes.replace(page, 4096, QByteArray(4096, '\xA5'));
            return writeFile(dir, bytes);
        }) << QStringLiteral("已损坏，无法读取");
        QTest::newRow("chapters a view without end") << Make([](TestBank &source, const QTemporaryDir &) {
            source.exec(QStringLiteral("drop table chapter"));
            source.exec(QStringLiteral("create view chapter as with recursive n(i) as (select 1 union all select i + 1 from n) "
                                       "select i as id, 't' as title, '' as content from n"));
            return source.path();
        }) << QStringLiteral("不是有效的题库：chapter 是视图，不是表");
    }

    // The file's real trouble is named: damage, no bank at all, a view in a table's place. Damage
    // to the cases is found at start, never taken for a bank without cases.
    void aBankThatCannotServeIsRefusedWithItsCause()
    {
        QFETCH(Make, make);
        QFETCH(QString, cause);
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"), QString(20000, u'文'));
        source.addCase(QStringLiteral("c_test"), 1, 1, {{"input", QString(9000, u'1')}, {"output", "2"}});
        QTemporaryDir dir;
        QString path;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("root-page"));
            db.setDatabaseName(source.path());
            db.open();
            path = make(source, dir);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("root-page"));
        const QString refused = bankFailure([&] { SqliteBank bank(path); });
        QVERIFY2(refused.contains(QDir::toNativeSeparators(path)) && refused.contains(cause), qPrintable(refused));
        QVERIFY2(!refused.contains(QStringLiteral("database")), qPrintable(refused)); // no engine's English
    }

    void aQueryEndsAtItsTimeLimit()
    {
        TestBank source;
        source.exec(QStringLiteral("insert into c_test (id, type, group_id, title) with recursive n(i) as "
                                   "(select 1 union all select i + 1 from n where i < 100000) select i, '1', 1, 't' from n"));
        SqliteBank bank(source.path());
        SqliteBank::setTimeLimit(1);
        const auto restore = qScopeGuard([] { SqliteBank::setTimeLimit(10000); });
        const QString stopped = bankFailure([&] { bank.testQuestions(QuestionKind::Choice, 1); });
        QVERIFY2(stopped.contains(QStringLiteral("读取超过 0.001 秒仍未完成")), qPrintable(stopped));
    }

    // A bank 100 times the course's would otherwise scan a whole table for every paper.
    void questionsAndCasesAreLookedUpByAnIndex()
    {
        TestBank source;
        const QString connection = QStringLiteral("query-plans");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(source.path());
            QVERIFY(db.open());
            const QStringList lookups = {
                QStringLiteral("select * from c_test where type = '1' and group_id = 3 order by id"),
                QStringLiteral("select * from c_excer where type = '04' and c_id = '01' order by id_test"),
                QStringLiteral("select * from c_case where task_table = 'c_test' and task_id = 7 order by case_no"),
            };
            for (const QString &sql : lookups) {
                QSqlQuery plan(db);
                QVERIFY(plan.exec(QStringLiteral("explain query plan ") + sql));
                QStringList steps;
                while (plan.next())
                    steps << plan.value(3).toString();
                QVERIFY2(steps.size() == 1 && steps[0].contains(QStringLiteral(" USING INDEX ")), qPrintable(sql + QStringLiteral(": ") + steps.join(QStringLiteral("; "))));
            }
        }
        QSqlDatabase::removeDatabase(connection);
    }
};

QTEST_MAIN(TestSqliteBank)
#include "tst_sqlite_bank.moc"
