#include "data/BankError.h"
#include "data/BankOpen.h"
#include "data/JetBank.h"
#include "data/SqliteBank.h"
#include "support/JetCopy.h"
#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// What only the Jet store does: the password, the file's format version, rows that libmdb
// 1.0.0 mishandles, and the choice of store by a file's first bytes.
class TestJetBank : public QObject
{
    Q_OBJECT

    template <class Open>
    static QString failure(Open open)
    {
        try {
            open();
        } catch (const BankError &e) {
            return e.message();
        }
        return {};
    }

    static QString passwordRefused(const QString &path)
    {
        return QStringLiteral("题库文件 %1 的密码不正确，无法打开。").arg(QDir::toNativeSeparators(path));
    }

private slots:
    void onlyTheBanksPasswordOrNoneOpens_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("opens");
        QTest::newRow("the bank's password") << QStringLiteral("583926") << true;
        QTest::newRow("no password") << QString() << true;
        QTest::newRow("another password") << QStringLiteral("secret") << false;
        QTest::newRow("another of the same length") << QStringLiteral("583927") << false;
        QTest::newRow("the password and more") << QStringLiteral("5839260") << false;
        QTest::newRow("twenty characters") << QStringLiteral("题库密码题库密码题库密码题库密码题库密码") << false;
    }

    void onlyTheBanksPasswordOrNoneOpens()
    {
        QFETCH(QString, password);
        QFETCH(bool, opens);
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"));
        JetOptions options;
        options.password = password;
        const QString mdb = writeJetCopy(source, options);
        const QString refused = failure([&] { JetBank bank(mdb); });
        QCOMPARE(refused, opens ? QString() : passwordRefused(mdb));
    }

    void aJet3HeaderHasItsPasswordCheckedToo()
    {
        QTemporaryDir dir;
        const QString wrong = dir.filePath(QStringLiteral("wrong.mdb"));
        writeJet3Header(wrong, QStringLiteral("583927"));
        QCOMPARE(failure([&] { JetBank bank(wrong); }), passwordRefused(wrong));
        // The right password passes the check; the header alone then holds no bank.
        const QString right = dir.filePath(QStringLiteral("right.mdb"));
        writeJet3Header(right, QStringLiteral("583926"));
        QVERIFY(failure([&] { JetBank bank(right); }).contains(QStringLiteral("不是有效的题库")));
    }

    void aLaterFormatVersionIsNamed()
    {
        TestBank source;
        const QString mdb = writeJetCopy(source);
        QFile file(mdb);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(0x14);
        file.write("\x03", 1);
        file.close();
        QVERIFY(failure([&] { JetBank bank(mdb); }).contains(QStringLiteral("格式版本")));
    }

    void deletedRowsStayDeleted()
    {
        TestBank source;
        source.addTestChoice(1, QStringLiteral("第一题"));
        source.addTestChoice(1, QStringLiteral("第二题"));
        JetOptions options;
        options.deletedRowIn = QStringLiteral("c_test");
        JetBank bank(writeJetCopy(source, options));
        QCOMPARE(bank.testQuestions(QuestionKind::Choice, 1).size(), 2);
        QCOMPARE(bank.rows(QStringLiteral("c_test")).size(), 2);
    }

    void rowsLibmdbCannotReachAreReportedNotLost()
    {
        TestBank source;
        source.addExerciseChoice(QStringLiteral("01"), QStringLiteral("第一题"));
        source.addExerciseChoice(QStringLiteral("01"), QStringLiteral("移走的题"));
        JetOptions options;
        options.overflowRowIn = QStringLiteral("c_excer");
        JetBank bank(writeJetCopy(source, options));
        const QString reported = failure([&] { bank.exerciseQuestions(QuestionKind::Choice, QStringLiteral("01")); });
        QVERIFY2(reported.contains(QStringLiteral("表 c_excer 记有 2 行，只读出了 1 行")), qPrintable(reported));
        QCOMPARE(bank.chapters().size(), 0); // the other tables still serve
    }

    void theStoreFollowsTheFirstBytesNotTheName()
    {
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"));
        QTemporaryDir dir;
        const QString jetNamedDb = dir.filePath(QStringLiteral("bank.db"));
        QVERIFY(QFile::copy(writeJetCopy(source), jetNamedDb));
        QVERIFY(dynamic_cast<JetBank *>(openQuestionBank(jetNamedDb).get()));
        const QString sqliteNamedMdb = dir.filePath(QStringLiteral("bank.mdb"));
        QVERIFY(QFile::copy(source.path(), sqliteNamedMdb));
        QVERIFY(dynamic_cast<SqliteBank *>(openQuestionBank(sqliteNamedMdb).get()));

        // Neither format: refused as a broken bank is.
        const QString garbage = dir.filePath(QStringLiteral("garbage.mdb"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        QCOMPARE(failure([&] { openQuestionBank(garbage); }), failure([&] { SqliteBank bank(garbage); }));
    }
};

QTEST_MAIN(TestJetBank)
#include "tst_jet_bank.moc"
