#include "data/BankOpen.h"
#include "data/JetBank.h"
#include "data/SqliteBank.h"
#include "support/JetCopy.h"
#include "support/TestBank.h"

#include "BankFiles.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <functional>

// What only the Jet store does: the password, the file's format version, rows that libmdb
// 1.0.0 mishandles, and the choice of store by a file's first bytes.
class TestJetBank : public QObject
{
    Q_OBJECT

    using Damage = std::function<void(QByteArray &file)>;

    static quint32 u16(const QByteArray &b, qsizetype at) { return quint8(b[at]) | quint32(quint8(b[at + 1])) << 8; }
    static quint32 u32(const QByteArray &b, qsizetype at) { return u16(b, at) | u16(b, at + 2) << 16; }
    static void put16(QByteArray &b, qsizetype at, quint32 v)
    {
        b[at] = char(v & 0xFF);
        b[at + 1] = char(v >> 8);
    }

    static qsizetype definitionOf(const char *table) { return qsizetype(jetDefinitionPage(QLatin1String(table))) * kJetPage; }
    // Where a row named by a page and row number lies in the file.
    static qsizetype rowAt(const QByteArray &file, quint32 pgRow)
    {
        const qsizetype page = qsizetype(pgRow >> 8) * kJetPage;
        return page + (u16(file, page + 14 + 2 * (pgRow & 0xFF)) & 0x1FFF);
    }
    static qsizetype usageMapOf(const QByteArray &file, const char *table) { return rowAt(file, u32(file, definitionOf(table) + 55)); }
    // The table's first data page, from its usage map (the writer's: a bitmap from a first page).
    static qsizetype firstDataPageOf(const QByteArray &file, const char *table)
    {
        const qsizetype map = usageMapOf(file, table);
        quint32 page = u32(file, map + 1);
        for (qsizetype bit = 0; !(quint8(file[map + 5 + bit / 8]) & (1 << (bit % 8))); ++bit)
            ++page;
        return qsizetype(page) * kJetPage;
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
        const QString refused = bankFailure([&] { JetBank bank(mdb); });
        QCOMPARE(refused, opens ? QString() : passwordRefused(mdb));
    }

    // What libmdb would follow out of its buffers, or into a crash, is checked first: the bank
    // is refused at start, the cause named, and nothing told to compact what cannot be mended.
    void aDamagedFileIsRefusedWithItsCause_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("cause");
        QTest::newRow("usage map row missing") << Damage([](QByteArray &f) { f[definitionOf("c_case") + 55] = char(200); })
                                               << QStringLiteral("表 c_case 指向的第 1 页第 200 行不存在");
        QTest::newRow("usage map of no known kind") << Damage([](QByteArray &f) { f[usageMapOf(f, "c_case")] = 7; })
                                                    << QStringLiteral("表 c_case 的页面用量表类型 7 无法识别");
        QTest::newRow("usage map beyond the file")
            << Damage([](QByteArray &f) { put16(f, usageMapOf(f, "c_test") + 3, 0x10); })
            << QStringLiteral("表 c_test 的页面用量表列出的第 10485");
        QTest::newRow("column count 0xFFFF") << Damage([](QByteArray &f) { put16(f, definitionOf("c_case") + 45, 0xFFFF); })
                                             << QStringLiteral("表 c_case 的定义记有 65535 列");
        QTest::newRow("index count 0xFFFF") << Damage([](QByteArray &f) { put16(f, definitionOf("jdsf") + 51, 0xFFFF); })
                                            << QStringLiteral("表 jdsf 的定义记有 65535 个索引");
        QTest::newRow("column names past the definition")
            << Damage([](QByteArray &f) { put16(f, definitionOf("chapter") + 45, 200); })
            << QStringLiteral("表 chapter 的定义不完整");
        QTest::newRow("definition page of another kind") << Damage([](QByteArray &f) { f[definitionOf("c_case")] = 1; })
                                                         << QStringLiteral("表 c_case 的定义所在的第 7 页不是表定义");
        QTest::newRow("row's column count 0xFFFF")
            << Damage([](QByteArray &f) {
                   const qsizetype page = firstDataPageOf(f, "c_case");
                   put16(f, page + (u16(f, page + 14) & 0x1FFF), 0xFFFF);
               })
            << QStringLiteral("表 c_case 有一行的结构不完整");
        QTest::newRow("catalog's usage map missing") << Damage([](QByteArray &f) { f[2 * kJetPage + 55] = char(250); })
                                                     << QStringLiteral("表 MSysObjects 指向的第 1 页第 250 行不存在");
        QTest::newRow("cut within a page") << Damage([](QByteArray &f) { f.chop(1000); })
                                           << QStringLiteral("不是整页，文件不完整，可能被截断了");
        QTest::newRow("cut at a page's end") << Damage([](QByteArray &f) { f.chop(kJetPage); })
                                             << QStringLiteral("在文件之外");
        QTest::newRow("the date that masks the password") << Damage([](QByteArray &f) { f[0x79] = char(f[0x79] ^ 0x20); })
                                                          << QStringLiteral("文件头中保存密码的部分已损坏");
    }

    void aDamagedFileIsRefusedWithItsCause()
    {
        QFETCH(Damage, damage);
        QFETCH(QString, cause);
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"), QStringLiteral("正文"));
        source.addAlgorithm(QStringLiteral("01"), QStringLiteral("冒泡排序"));
        source.addTestChoice(1, QStringLiteral("第一题"));
        source.addExerciseChoice(QStringLiteral("01"), QStringLiteral("练习"));
        source.addCase(QStringLiteral("c_test"), 1, 1, {{"input", "1"}, {"output", "2"}});
        const QString mdb = writeJetCopy(source);
        QByteArray bytes = bytesOf(mdb);
        damage(bytes);
        writeBytes(mdb, bytes);

        const QString refused = bankFailure([&] { openQuestionBank(mdb); });
        QVERIFY2(refused.startsWith(QStringLiteral("题库文件 %1 已损坏，无法读取：").arg(QDir::toNativeSeparators(mdb))), qPrintable(refused));
        QVERIFY2(refused.contains(cause), qPrintable(refused));
        QVERIFY(!refused.contains(QStringLiteral("压缩并修复")));
    }

    void aJet3HeaderHasItsPasswordCheckedToo()
    {
        QTemporaryDir dir;
        const QString wrong = dir.filePath(QStringLiteral("wrong.mdb"));
        writeJet3Header(wrong, QStringLiteral("583927"));
        QCOMPARE(bankFailure([&] { JetBank bank(wrong); }), passwordRefused(wrong));
        // The right password passes the check; the header alone is then a file cut short.
        const QString right = dir.filePath(QStringLiteral("right.mdb"));
        writeJet3Header(right, QStringLiteral("583926"));
        QVERIFY(bankFailure([&] { JetBank bank(right); }).contains(QStringLiteral("已损坏")));
    }

    void aLaterFormatVersionIsNamed()
    {
        TestBank source;
        const QString mdb = writeJetCopy(source);
        QByteArray bytes = bytesOf(mdb);
        bytes[0x14] = 3;
        writeBytes(mdb, bytes);
        QVERIFY(bankFailure([&] { JetBank bank(mdb); }).contains(QStringLiteral("格式版本")));
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
        const QString reported = bankFailure([&] { bank.exerciseQuestions(QuestionKind::Choice, QStringLiteral("01")); });
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
        writeBytes(garbage, QByteArray(4096, 'x'));
        QCOMPARE(bankFailure([&] { openQuestionBank(garbage); }), bankFailure([&] { SqliteBank bank(garbage); }));
    }
};

QTEST_MAIN(TestJetBank)
#include "tst_jet_bank.moc"
