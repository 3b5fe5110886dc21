#include "answer/AnswerWindows.h"
#include "answer/Frm_exer.h"
#include "app/Frm_login.h"
#include "data/Record.h"
#include "platform/MessageBox.h"
#include "study/Frm_jdsf.h"
#include "study/Frm_study.h"
#include "study/StudyHelpers.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QtTest>

using namespace AnswerWindows;

// A bank with a row of every bad kind beside good ones: the start screen names each bad row once
// in one information box, and the windows go on with the good rows.
class TestBadRows : public QObject
{
    Q_OBJECT

    // Bytes of Chinese text in GBK: not UTF-8.
    static inline const QString kNotUtf8 = QStringLiteral("cast(x'd5fbd0cd' as text)");
    static inline const QString kBinary = QStringLiteral("x'89504e470d0a1a0a'");

    // Rows every store can hold; the ids of c_test and c_excer rows count on from 1 in this order.
    static void addBadRows(TestBank &bank)
    {
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), kRtfIntegers);
        bank.addChapter(QStringLiteral("1"), QStringLiteral("一个字符"));
        bank.addChapter(QStringLiteral("003"), QStringLiteral("三个字符"));
        bank.addChapter(QString(), QStringLiteral("没有编号"));
        bank.addAlgorithm(QStringLiteral("A1"), QStringLiteral("冒泡排序"), kRtfPointers);
        bank.addAlgorithm(QStringLiteral("B"), QStringLiteral("短编号"));
        bank.exec(QStringLiteral("update chapter set id = null where title = '没有编号'"));

        bank.addTestChoice(1, QStringLiteral("好题"), QStringLiteral(" B "));                   // 1
        bank.addTestChoice(1, QStringLiteral("答案越界"), QStringLiteral("E"));                  // 2
        bank.addTestChoice(1, QStringLiteral("没有答案"), QString());                             // 3
        bank.addTest(QStringLiteral("5"), 1, {{"title", "未知题型"}});                            // 4
        bank.addTest(QStringLiteral("2"), 1, {{"title", "题型为空"}});                            // 5
        bank.exec(QStringLiteral("update c_test set type = null where id = 5"));
        bank.addTest(QStringLiteral("2"), 1, {{"title", "好填空"}, {"content", "int a;"}});        // 6
        bank.addExerciseChoice(QStringLiteral("01"), QStringLiteral("小写答案"), QStringLiteral("b")); // 7
        bank.addExercise(QStringLiteral("1"), QStringLiteral("01"), {{"title", "测试的题型码"}});   // 8
        bank.addExerciseChoice(QStringLiteral("01"), QStringLiteral("好练习"), QStringLiteral("C")); // 9
    }

    static QStringList addedLines()
    {
        return {
            QStringLiteral("chapter （空）: id: 编号为空"),
            QStringLiteral("chapter 003: id: 编号“003”不是两个字符"),
            QStringLiteral("chapter 1: id: 编号“1”不是两个字符"),
            QStringLiteral("jdsf B: id: 编号“B”不是两个字符"),
            QStringLiteral("c_test 2: ch_answer: 正确答案“E”不是 A、B、C、D 之一"),
            QStringLiteral("c_test 3: ch_answer: 没有正确答案"),
            QStringLiteral("c_test 4: type: 题型“5”不是 1、2、3、4 之一"),
            QStringLiteral("c_test 5: type: 题型为空"),
            QStringLiteral("c_excer 8: type: 题型“1”不是 01、02、03、04 之一"),
        };
    }

    // Texts SQLite keeps as binary data or as bytes that are not UTF-8 (a Jet bank holds
    // neither in a text field): ids 10 to 12.
    static void addUnreadableTexts(TestBank &bank)
    {
        bank.exec(QStringLiteral("insert into chapter (id, title, content) values ('02', '图片', %1)").arg(kBinary));
        bank.exec(QStringLiteral("insert into chapter (id, title, content) values ('04', '旧编码', %1)").arg(kNotUtf8));
        bank.exec(QStringLiteral("insert into chapter (id, title, content) values ('05', %1, '')").arg(kNotUtf8));
        bank.addTest(QStringLiteral("2"), 1, {{"title", "二进制标题"}, {"content", "int b;"}});  // 10
        bank.exec(QStringLiteral("update c_test set title = %1 where id = 10").arg(kBinary));
        bank.addTest(QStringLiteral("4"), 1, {{"title", "旧编码程序"}, {"content", "x"}, {"data_file", "1"}, {"data_file1", "y"}}); // 11
        bank.exec(QStringLiteral("update c_test set content = %1, data_file1 = %2 where id = 11").arg(kNotUtf8, kBinary));
        bank.addExerciseChoice(QStringLiteral("01"), QStringLiteral("选项是图片"), QStringLiteral("A")); // 12
        bank.exec(QStringLiteral("update c_excer set ch_2 = %1 where id_test = 12").arg(kBinary));
    }

    static QStringList unreadableLines()
    {
        // A study text is looked at for binary data only: chapter 04's shows its notice when chosen.
        return {
            QStringLiteral("chapter 02: content: 是二进制数据，无法显示"),
            QStringLiteral("chapter 05: title: 不是 UTF-8 编码的文字，无法显示"),
            QStringLiteral("c_test 10: title: 是二进制数据，无法显示"),
            QStringLiteral("c_test 11: content: 不是 UTF-8 编码的文字，无法显示"),
            QStringLiteral("c_test 11: data_file1: 是二进制数据，无法显示"),
            QStringLiteral("c_excer 12: ch_2: 是二进制数据，无法显示"),
        };
    }

    // The lines of the box the start screen shows once the rows are checked.
    static QStringList boxLines()
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        auto *login = Forms<Frm_login>::show();
        // The bank opens after the first paint, and its rows are checked on a thread of their own:
        // the start screen is loaded, and answers, before the box comes.
        int askedWhenLoaded = -1;
        QObject::connect(login, &Frm_login::loaded, login, [&] { askedWhenLoaded = MessageBox::askedCount(); });
        QSignalSpy checked(login, &Frm_login::rowsChecked);
        if (!checked.wait())
            return {QStringLiteral("not checked")};
        if (askedWhenLoaded != 0)
            return {QStringLiteral("a box before the start screen was loaded")};
        const auto asked = MessageBox::takeLastAsked();
        if (!asked)
            return {QStringLiteral("no box")};
        if (asked->title != u"信息提示" || asked->icon != QMessageBox::Information || asked->buttons != QMessageBox::Ok)
            return {QStringLiteral("not an information box")};
        return asked->text.split(u'\n');
    }

private slots:
    void initTestCase_data() { addBankFormatRows(); }

    void eachBadRowIsNamedOnceAndTheGoodRowsServe()
    {
        QFETCH_GLOBAL(BankFormat, format);
        TestBank bank;
        addBadRows(bank);
        QStringList expected = addedLines();
        if (format == BankFormat::Sqlite) {
            addUnreadableTexts(bank);
            expected.insert(2, unreadableLines()[0]); // chapters by id: NULL, 003, 02, 05, 1
            expected.insert(3, unreadableLines()[1]);
            expected.insert(10, unreadableLines()[2]);
            expected.insert(11, unreadableLines()[3]);
            expected.insert(12, unreadableLines()[4]);
            expected << unreadableLines()[5];
        }
        AppFixture app(bank, format);
        const QStringList lines = boxLines();
        QCOMPARE(lines.value(0), QStringLiteral("题库中有 %1 处数据有问题：").arg(expected.size()));
        QCOMPARE(lines.mid(1, expected.size()), expected);
        QCOMPARE(lines.value(expected.size() + 1), QString()); // all listed, nothing more counted
        QVERIFY(OpenBank::conn);

        // The lists hold only the rows an entry can open.
        auto *study = Forms<Frm_study>::show();
        QStringList chapters = {QStringLiteral("01 概述")};
        if (format == BankFormat::Sqlite)
            chapters << QStringLiteral("02 图片") << QStringLiteral("04 旧编码");
        QCOMPARE(entries(listOf(study, "List_item")), chapters);
        pick(listOf(study, "List_item"), 0);
        QCOMPARE(shownText(study), QStringLiteral("整型 int"));
        if (format == BankFormat::Sqlite) {
            pick(listOf(study, "List_item"), 1);
            QCOMPARE(shownText(study), Record::unreadableNotice());
            pick(listOf(study, "List_item"), 2);
            QCOMPARE(shownText(study), Record::unreadableNotice());
        }
        study->close();
        auto *algorithms = Forms<Frm_jdsf>::show();
        QCOMPARE(entries(listOf(algorithms, "List1")), QStringList({QStringLiteral("A1 冒泡排序")}));
        algorithms->close();

        // A test set: the rows of no kind are left out; a choice whose key is no option keeps its
        // place (its key as stored: the paper's own test).
        startTest(1);
        QCOMPARE(shownTest().TestPaper.ch.count, 3);
        if (format == BankFormat::Sqlite) {
            QCOMPARE(shownTest().TestPaper.blank.count, 2);
            QCOMPARE(shownTest().TestPaper.blank(2).title, Record::unreadableNotice());
            QCOMPARE(shownTest().TestPaper.pro.count, 1);
            QCOMPARE(shownTest().TestPaper.pro(1).title, QStringLiteral("旧编码程序"));
            // Its program and data file cannot be shown, so neither is written.
            QCOMPARE(filesIn(shownTest().test_path), QStringList({QStringLiteral("blank_1.c"), QStringLiteral("blank_2.c")}));
        } else {
            QCOMPARE(shownTest().TestPaper.blank.count, 1);
            QCOMPARE(filesIn(shownTest().test_path), QStringList({QStringLiteral("blank_1.c")}));
        }
        QCOMPARE(fileBytes(WorkFolders::join(shownTest().test_path, "blank_1.c")), QByteArray("int a;\r\n"));
        QCOMPARE(MessageBox::askedCount(), 0);
        unloadAllForms();

        // A unit exercise likewise.
        answer(exerciseRun(QStringLiteral("01")));
        if (format == BankFormat::Sqlite) {
            QCOMPARE(shownExercise().ExercisePaper.ch.count, 3);
            QCOMPARE(shownExercise().ExercisePaper.ch(3).option(2), QStringLiteral("[B] ") + Record::unreadableNotice());
        } else {
            QCOMPARE(shownExercise().ExercisePaper.ch.count, 2);
        }
        QCOMPARE(shownExercise().ExercisePaper.blank.count + shownExercise().ExercisePaper.err.count + shownExercise().ExercisePaper.pro.count, 0);
        QCOMPARE(MessageBox::askedCount(), 0);
    }

    void theBoxListsTwentyAndCountsTheRest()
    {
        QFETCH_GLOBAL(BankFormat, format);
        TestBank bank;
        for (int i = 1; i <= 23; ++i)
            bank.addTestChoice(2, QStringLiteral("题%1").arg(i), QStringLiteral("X"));
        AppFixture app(bank, format);
        const QStringList lines = boxLines();
        QCOMPARE(lines.value(0), QStringLiteral("题库中有 23 处数据有问题："));
        QCOMPARE(lines.value(1), QStringLiteral("c_test 1: ch_answer: 正确答案“X”不是 A、B、C、D 之一"));
        QCOMPARE(lines.value(20), QStringLiteral("c_test 20: ch_answer: 正确答案“X”不是 A、B、C、D 之一"));
        QCOMPARE(lines.value(21), QStringLiteral("……另有 3 处没有列出。"));
    }

    void aSoundBankShowsNoBox()
    {
        QFETCH_GLOBAL(BankFormat, format);
        TestBank bank;
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), QVariant());
        bank.addTestChoice(1, QStringLiteral("好题"));
        bank.addTest(QStringLiteral("4"), 1, {{"title", "编程"}});
        AppFixture app(bank, format);
        MessageBox::setNextAnswer(QMessageBox::Ok); // a box shown by mistake fails the test, not hangs it
        auto *login = Forms<Frm_login>::show();
        QSignalSpy checked(login, &Frm_login::rowsChecked);
        QVERIFY(checked.wait());
        QCOMPARE(MessageBox::askedCount(), 0);
    }
};

QTEST_MAIN(TestBadRows)
#include "tst_bad_rows.moc"
