#include "data/JetBank.h"
#include "data/SqliteBank.h"
#include "support/JetCopy.h"
#include "support/TestBank.h"

#include "BankFiles.h"

#include <QtTest>
#include <memory>

// The same cases on every store: the program's SQLite bank, and Jet copies of it with texts
// stored plain (UCS-2) and compressed. Each store must return the same rows.
class TestQuestionStores : public QObject
{
    Q_OBJECT

    static std::unique_ptr<QuestionBank> open(const TestBank &bank)
    {
        QFETCH_GLOBAL(QString, store);
        if (store == u"sqlite")
            return std::make_unique<SqliteBank>(bank.path());
        JetOptions options;
        options.compress = store == u"jet, compressed texts";
        return std::make_unique<JetBank>(writeJetCopy(bank, options));
    }

    static QStringList column(const RecordSet &rows, const char *field)
    {
        QStringList values;
        for (const Record &r : rows)
            values << r.text(QLatin1String(field));
        return values;
    }

    // A long text of about `characters` characters, one in five of them Chinese.
    static QString longText(int characters)
    {
        QString text;
        for (int i = 0; text.size() < characters; ++i)
            text += QStringLiteral("line %1: 数组与指针\n").arg(i);
        return text;
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<QString>("store");
        QTest::newRow("sqlite") << QStringLiteral("sqlite");
        QTest::newRow("jet") << QStringLiteral("jet");
        QTest::newRow("jet, compressed texts") << QStringLiteral("jet, compressed texts");
    }

    void chaptersAndAlgorithmsComeInIdOrder()
    {
        TestBank source;
        source.addChapter(QStringLiteral("10"), QStringLiteral("十"));
        source.addChapter(QStringLiteral("02"), QStringLiteral("数组"));
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"));
        source.addAlgorithm(QStringLiteral("b1"), QStringLiteral("乙"));
        source.addAlgorithm(QStringLiteral("a2"), QStringLiteral("甲"));
        source.addAlgorithm(QStringLiteral("B1"), QStringLiteral("大写"));
        const auto bank = open(source);
        QCOMPARE(column(bank->chapters(), "id"), QStringList({"01", "02", "10"}));
        QCOMPARE(column(bank->chapters(), "title"), QStringList({"概述", "数组", "十"}));
        QCOMPARE(column(bank->algorithms(), "id"), QStringList({"B1", "a2", "b1"})); // by bytes, as SQLite orders
        QCOMPARE(column(bank->algorithm(QStringLiteral("a2")), "title"), QStringList({"甲"}));
        QCOMPARE(bank->algorithm(QStringLiteral("A2")).size(), 0);

        // The lists read the same rows, without their study texts.
        const RecordSet chapterList = bank->chapterList();
        QCOMPARE(column(chapterList, "id"), QStringList({"01", "02", "10"}));
        QCOMPARE(column(chapterList, "title"), QStringList({"概述", "数组", "十"}));
        QVERIFY_THROWS_EXCEPTION(BankError, chapterList[0].text(QStringLiteral("content")));
        const RecordSet algorithmList = bank->algorithmList();
        QCOMPARE(column(algorithmList, "id"), QStringList({"B1", "a2", "b1"}));
        QCOMPARE(column(algorithmList, "title"), QStringList({"大写", "甲", "乙"}));
        QVERIFY_THROWS_EXCEPTION(BankError, algorithmList[0].text(QStringLiteral("content")));
    }

    void exerciseRowsOfAChapterAndKind()
    {
        TestBank source;
        source.addExerciseChoice(QStringLiteral("01"), QStringLiteral("第一题"), QStringLiteral("B"));
        source.addExercise(QStringLiteral("04"), QStringLiteral("01"),
                           {{"title", "编程"}, {"answer", "参考程序"}, {"explain", "解析"}, {"content", "int main(void) {}\n"},
                            {"data_file", "data_11.dat"}, {"data_file1", "3 1 2\n"}});
        source.addExerciseChoice(QStringLiteral("02"), QStringLiteral("别章"));
        source.addExerciseChoice(QStringLiteral("01"), QStringLiteral("第二题"), QStringLiteral(" C "));
        const auto bank = open(source);

        const RecordSet choices = bank->exerciseQuestions(QuestionKind::Choice, QStringLiteral("01"));
        QCOMPARE(column(choices, "title"), QStringList({"第一题", "第二题"}));
        QCOMPARE(column(choices, "answer"), QStringList({"B", " C "}));
        QCOMPARE(column(choices, "id_test"), QStringList({"1", "4"}));

        const RecordSet tasks = bank->exerciseQuestions(QuestionKind::Pro, QStringLiteral("01"));
        QCOMPARE(tasks.size(), 1);
        QCOMPARE(tasks[0].text(QStringLiteral("content")), QStringLiteral("int main(void) {}\n"));
        QCOMPARE(tasks[0].actualSize(QStringLiteral("data_file")), 11);
        QCOMPARE(tasks[0].text(QStringLiteral("data_file1")), QStringLiteral("3 1 2\n"));
        QCOMPARE(bank->exerciseQuestions(QuestionKind::Blank, QStringLiteral("01")).size(), 0);
        QCOMPARE(bank->exerciseQuestions(QuestionKind::Choice, QStringLiteral("1")).size(), 0);
        QCOMPARE(column(bank->question({"c_excer", 2}), "data_file1"), QStringList({"3 1 2\n"}));
    }

    void testSetRowsByKindAndGroup()
    {
        TestBank source;
        source.addTestChoice(3, QStringLiteral("三组一"));
        source.addTest(QStringLiteral("2"), 3, {{"title", "填空"}, {"content", "___1___"}});
        source.addTestChoice(1, QStringLiteral("一组"));
        source.addTest(QStringLiteral("3"), 3, {{"title", "改错"}});
        source.addTestChoice(3, QStringLiteral("三组二"), QStringLiteral("D"));
        source.addTest(QStringLiteral("4"), 3, {{"title", "编程"}});
        const auto bank = open(source);
        QCOMPARE(column(bank->testQuestions(QuestionKind::Choice, 3), "title"), QStringList({"三组一", "三组二"}));
        QCOMPARE(column(bank->testQuestions(QuestionKind::Blank, 3), "content"), QStringList({"___1___"}));
        QCOMPARE(column(bank->testQuestions(QuestionKind::Err, 3), "title"), QStringList({"改错"}));
        QCOMPARE(column(bank->testQuestions(QuestionKind::Pro, 3), "group_id"), QStringList({"3"}));
        QCOMPARE(column(bank->testQuestions(QuestionKind::Choice, 1), "title"), QStringList({"一组"}));
        QCOMPARE(bank->testQuestions(QuestionKind::Choice, 2).size(), 0);
        // One question by its key; none by a key or a table (a record's, the user's) that names none.
        QCOMPARE(column(bank->question({"c_test", 5}), "title"), QStringList({"三组二"}));
        QCOMPARE(bank->question({"c_test", 7}).size(), 0);
        QCOMPARE(bank->question({"c_excer", 5}).size(), 0);
        QCOMPARE(bank->question({"chapter", 1}).size(), 0);
    }

    void casesOfOneTaskInCaseOrder()
    {
        TestBank source;
        const int task = source.nextId();
        source.addTest(QStringLiteral("4"), 1, {{"title", "编程"}});
        source.addCase(QStringLiteral("c_test"), task, 2, {{"input", "-8 3\n"}, {"output", "-5\n"}, {"hidden", 1}, {"about", "负数"}});
        source.addCase(QStringLiteral("c_test"), task, 1, {{"input", "3 4\n"}, {"output", "7\n"}});
        source.addCase(QStringLiteral("c_excer"), task, 1, {{"input", "别的表"}});
        source.addCase(QStringLiteral("c_test"), task + 1, 1, {{"input", "别的题"}});
        const auto bank = open(source);
        const RecordSet cases = bank->cases(QStringLiteral("c_test"), task);
        QCOMPARE(column(cases, "case_no"), QStringList({"1", "2"}));
        QCOMPARE(column(cases, "input"), QStringList({"3 4\n", "-8 3\n"}));
        QCOMPARE(column(cases, "output"), QStringList({"7\n", "-5\n"}));
        QCOMPARE(column(cases, "hidden"), QStringList({"0", "1"}));
        QCOMPARE(column(cases, "about"), QStringList({"", "负数"}));
        QCOMPARE(bank->cases(QStringLiteral("c_excer"), task + 5).size(), 0);
    }

    // Banks older than the tables of cases and faults open, and have none.
    void aBankWithoutCasesAndFaultsOpensWithNone()
    {
        TestBank source;
        const int task = source.nextId();
        source.addTest(QStringLiteral("4"), 1, {{"title", "编程"}});
        source.addTest(QStringLiteral("3"), 1, {{"title", "改错"}});
        source.exec(QStringLiteral("drop table c_case"));
        source.exec(QStringLiteral("drop table c_fault"));
        const auto bank = open(source);
        QCOMPARE(bank->testQuestions(QuestionKind::Pro, 1).size(), 1);
        QCOMPARE(bank->testQuestions(QuestionKind::Err, 1).size(), 1);
        QCOMPARE(bank->cases(QStringLiteral("c_test"), task).size(), 0);
        QCOMPARE(bank->faults(QStringLiteral("c_test"), task + 1), 0);
    }

    void faultsOfACorrectionTask()
    {
        TestBank source;
        const int task = source.nextId();
        source.addExercise(QStringLiteral("03"), QStringLiteral("05"), {{"title", "改错"}});
        source.addExercise(QStringLiteral("03"), QStringLiteral("05"), {{"title", "改错"}});
        source.addFaults(QStringLiteral("c_excer"), task, 2);
        source.addFaults(QStringLiteral("c_test"), task + 1, 3);
        const auto bank = open(source);
        QCOMPARE(bank->faults(QStringLiteral("c_excer"), task), 2);
        // Not given for this task, or given only for another table's: the bank does not say.
        QCOMPARE(bank->faults(QStringLiteral("c_excer"), task + 1), 0);
        QCOMPARE(bank->faults(QStringLiteral("c_test"), task), 0);
    }

    void nullAndEmptyFieldsReadAsEmptyText()
    {
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("空"), QVariant());
        source.addChapter(QStringLiteral("02"), QStringLiteral("无"), QString(""));
        source.addChapter(QStringLiteral("03"), QStringLiteral("有"), QStringLiteral("{\\rtf1 中}"));
        source.exec(QStringLiteral("insert into c_test (id, type, group_id) values (9, '1', 2)"));
        const auto bank = open(source);
        const RecordSet rows = bank->chapters();
        QCOMPARE(rows[0].text(QStringLiteral("content")), QString());
        QCOMPARE(rows[0].actualSize(QStringLiteral("content")), 0);
        QCOMPARE(rows[1].actualSize(QStringLiteral("content")), 0);
        QCOMPARE(rows[2].actualSize(QStringLiteral("content")), 11); // bytes, not characters
        const RecordSet bare = bank->testQuestions(QuestionKind::Choice, 2);
        QCOMPARE(bare.size(), 1);
        for (const char *field : {"title", "ch1", "ch_answer", "explain", "data_file1"}) {
            QCOMPARE(bare[0].text(QLatin1String(field)), QString());
            QCOMPARE(bare[0].actualSize(QLatin1String(field)), 0);
        }
        QVERIFY_THROWS_EXCEPTION(BankError, rows[0].text(QStringLiteral("no_such_field")));
    }

    void aQuoteInATitleIsData()
    {
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("It's 概述"));
        source.addChapter(QStringLiteral("02"), QStringLiteral("' or '1'='1"));
        const auto bank = open(source);
        QCOMPARE(bank->chapter(QStringLiteral("01"), QStringLiteral("It's 概述")).size(), 1);
        QCOMPARE(bank->chapter(QStringLiteral("01"), QStringLiteral("' or '1'='1")).size(), 0);
        QCOMPARE(bank->chapter(QStringLiteral("02"), QStringLiteral("' or '1'='1")).size(), 1);
    }

    void longTextsComeWhole()
    {
        TestBank source;
        const QString medium = longText(1500);     // a Jet memo on one long-value page
        const QString huge = longText(100 * 1024); // about 200 KB in UCS-2, chained over pages
        source.addChapter(QStringLiteral("01"), QStringLiteral("中"), medium);
        source.addChapter(QStringLiteral("02"), QStringLiteral("长"), huge);
        const auto bank = open(source);
        const RecordSet rows = bank->chapters();
        QCOMPARE(rows[0].text(QStringLiteral("content")), medium);
        QCOMPARE(rows[1].text(QStringLiteral("content")), huge);
        QCOMPARE(rows[1].actualSize(QStringLiteral("content")), huge.toUtf8().size());
    }

    void chineseTextInEveryField()
    {
        TestBank source;
        const QVariantMap fields = {{"title", "下列说法正确的是（ ）"}, {"ch1", "一"}, {"ch2", "数组名是地址常量"},
                                    {"ch3", "Mixed 中文 and ASCII"}, {"ch4", "全角ＡＢＣ，标点！"},
                                    {"ch_answer", "B"}, {"explain", "因为数组名不能被赋值。\r\n第二行"}};
        source.addTest(QStringLiteral("1"), 1, fields);
        const auto bank = open(source);
        const RecordSet rows = bank->testQuestions(QuestionKind::Choice, 1);
        QCOMPARE(rows.size(), 1);
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            QCOMPARE(rows[0].text(it.key()), it.value().toString());
            QCOMPARE(rows[0].actualSize(it.key()), it.value().toString().toUtf8().size());
        }
    }

    void aMissingTableOrFieldIsNamed_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("named");
        QTest::newRow("table") << "drop table jdsf" << "缺少表 jdsf";
        QTest::newRow("field") << "alter table c_excer drop column data_file1" << "表 c_excer 缺少字段 data_file1";
        QTest::newRow("field of the cases") << "alter table c_case drop column about" << "表 c_case 缺少字段 about";
    }

    void aMissingTableOrFieldIsNamed()
    {
        QFETCH(QString, damage);
        QFETCH(QString, named);
        TestBank source;
        source.exec(damage);
        const QString refused = bankFailure([&] { open(source); });
        QVERIFY2(refused.contains(named), qPrintable(refused));
    }
};

QTEST_MAIN(TestQuestionStores)
#include "tst_question_stores.moc"
