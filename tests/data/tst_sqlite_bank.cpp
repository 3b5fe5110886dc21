#include "data/BankError.h"
#include "data/SqliteBank.h"
#include "support/TestBank.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestSqliteBank : public QObject
{
    Q_OBJECT

    static QStringList column(const RecordSet &rows, const char *field)
    {
        QStringList values;
        for (const Record &r : rows)
            values << r.text(QLatin1String(field));
        return values;
    }

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
    void queriesSelectTheRightRowsInOrder()
    {
        TestBank source;
        source.addChapter(QStringLiteral("02"), QStringLiteral("数组"));
        source.addChapter(QStringLiteral("01"), QStringLiteral("It's 概述"));
        source.addAlgorithm(QStringLiteral("10"), QStringLiteral("十"));
        source.addAlgorithm(QStringLiteral("01"), QStringLiteral("一"));
        source.addAlgorithm(QStringLiteral("02"), QStringLiteral("二"));
        source.addTestChoice(1, QStringLiteral("第一题"));
        source.addTestChoice(2, QStringLiteral("别组"));
        source.addTestChoice(1, QStringLiteral("第二题"));
        source.addTest(QStringLiteral("4"), 1, {{"title", "编程"}});
        source.addExerciseChoice(QStringLiteral("01"), QStringLiteral("练习"));
        SqliteBank bank(source.path());

        QCOMPARE(column(bank.chapters(), "id"), QStringList({"01", "02"}));
        QCOMPARE(column(bank.algorithms(), "id"), QStringList({"01", "02", "10"}));
        QCOMPARE(column(bank.algorithm(QStringLiteral("10")), "title"), QStringList({"十"}));
        // A quote in a title is data, not part of the statement.
        QCOMPARE(bank.chapter(QStringLiteral("01"), QStringLiteral("It's 概述")).size(), 1);
        QCOMPARE(bank.chapter(QStringLiteral("01"), QStringLiteral("' or '1'='1")).size(), 0);
        QCOMPARE(column(bank.testQuestions(QuestionKind::Choice, 1), "title"), QStringList({"第一题", "第二题"}));
        QCOMPARE(column(bank.testQuestions(QuestionKind::Pro, 1), "title"), QStringList({"编程"}));
        QCOMPARE(bank.testQuestions(QuestionKind::Blank, 1).size(), 0);
        QCOMPARE(bank.exerciseQuestions(QuestionKind::Choice, QStringLiteral("01")).size(), 1);
        QCOMPARE(bank.exerciseQuestions(QuestionKind::Choice, QStringLiteral("1")).size(), 0);
    }

    void nullAndEmptyFieldsReadAsEmptyText()
    {
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("空"), QVariant());
        source.addChapter(QStringLiteral("02"), QStringLiteral("无"), QString(""));
        source.addChapter(QStringLiteral("03"), QStringLiteral("有"), QStringLiteral("{\\rtf1 中}"));
        SqliteBank bank(source.path());
        const RecordSet rows = bank.chapters();
        QCOMPARE(rows[0].text(QStringLiteral("content")), QString());
        QCOMPARE(rows[0].actualSize(QStringLiteral("content")), 0);
        QCOMPARE(rows[1].actualSize(QStringLiteral("content")), 0);
        QCOMPARE(rows[2].actualSize(QStringLiteral("content")), 11); // bytes, not characters
        QVERIFY_THROWS_EXCEPTION(BankError, rows[0].text(QStringLiteral("no_such_field")));
    }

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

        TestBank lacking;
        lacking.exec(QStringLiteral("drop table jdsf"));
        QVERIFY(openFailure(lacking.path()).contains(QStringLiteral("缺少表 jdsf")));

        TestBank oldSchema;
        oldSchema.exec(QStringLiteral("alter table c_excer drop column data_file1"));
        QVERIFY(openFailure(oldSchema.path()).contains(QStringLiteral("表 c_excer 缺少字段 data_file1")));
    }
};

QTEST_MAIN(TestSqliteBank)
#include "tst_sqlite_bank.moc"
