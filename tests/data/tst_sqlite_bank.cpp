#include "data/BankError.h"
#include "data/SqliteBank.h"
#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// What only the SQLite store does; the cases every store shares are in tst_question_stores.
class TestSqliteBank : public QObject
{
    Q_OBJECT

    static QString openFailure(const QString &path)
    {
        try {
            SqliteBank bank(path);
        } catch (const BankError &e) {
            return e.message();
        }
        return {};
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

    void aBankThatCannotServeIsRefusedWithItsCause()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("none.db"));
        QVERIFY(openFailure(missing).contains(QStringLiteral("找不到题库文件")));
        QVERIFY(openFailure(missing).contains(missing));

        const QString garbage = dir.filePath(QStringLiteral("garbage.db"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        QVERIFY(openFailure(garbage).contains(QStringLiteral("不是有效的题库")));
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
