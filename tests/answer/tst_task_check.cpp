// "检查程序" with the real gcc in both answering windows: right and wrong files, a fill-in file
// changed outside its blanks, a task reading its data file, a bank without cases; one check at a
// time, none left running when the window goes, and the review showing each task's last verdict.

#include "answer/CheckWindows.h"
#include "answer/Frm_exer.h"
#include "review/Frm_t_over.h"
#include "support/AppFixture.h"

#include <QPushButton>

using namespace AnswerWindows;
using namespace CheckWindows;

namespace {

// Averages the numbers of data_11.dat.
const QByteArray kAverage = "#include <stdio.h>\nint main(void)\n{\n    FILE *fp = fopen(\"data_11.dat\", \"r\");\n"
                            "    int x, n = 0;\n    double sum = 0;\n    if (fp == NULL)\n        return 1;\n"
                            "    while (fscanf(fp, \"%d\", &x) == 1) {\n        sum += x;\n        n++;\n    }\n"
                            "    printf(\"%.2f\\n\", n > 0 ? sum / n : 0.0);\n    return 0;\n}\n";

const QByteArray kFillIn = "#include <stdio.h>\nint main(void)\n{\n    int a, b;\n    scanf(\"%d %d\", &a, &b);\n"
                           "    printf(\"%d\\n\", ___1___);\n    return 0;\n}\n";


}

class TestTaskCheck : public QObject
{
    Q_OBJECT

    // Clicks the check button and waits for the verdict's window.
    static void check(QWidget *w, const QString &button)
    {
        if (QDialog *old = resultWindow(w))
            old->close();
        click(w, button);
        QTRY_VERIFY_WITH_TIMEOUT(resultWindow(w), kCheckMs);
    }

    // A test set whose programming task 1 is the sum and task 2 the average of a data file.
    static void addTestTasks(TestBank &bank)
    {
        addSumTest(bank);
        const int task = bank.nextId();
        bank.addTest(QStringLiteral("4"), 1, {{"title", "平均值"}, {"content", "/* 平均值 */"}, {"data_file", "data_21.dat"},
                                              {"data_file1", "1 2 3"}});
        bank.addCase(QStringLiteral("c_test"), task, 1, {{"data", "1 2 3"}, {"output", "2.00\n"}});
        bank.addCase(QStringLiteral("c_test"), task, 2, {{"data", "-4"}, {"output", "-4.00\n"}, {"hidden", 1}});
    }

private slots:
    void testWindowJudgesRightAndWrongPrograms()
    {
        TestBank bank;
        addTestTasks(bank);
        bank.addTest(QStringLiteral("2"), 1, {{"title", "填空"}, {"content", QString::fromLatin1(kFillIn)}});
        AppFixture app(bank);
        QWidget *w = startTest();

        // A click while a check runs is ignored: the verdict is the running check's, not the
        // fill-in's, which would say at once that a blank is left.
        save(shownTest().test_path, QStringLiteral("pro_1.c"), kRightSum);
        click(w, QStringLiteral("Cmd_pro_check"));
        QCOMPARE(w->cursor().shape(), Qt::BusyCursor);
        click(w, QStringLiteral("Cmd_blank_check"));
        QTRY_VERIFY_WITH_TIMEOUT(resultWindow(w), kCheckMs);
        QCOMPARE(headline(w), QStringLiteral("全部通过 (3/3)"));
        QVERIFY(!shownTest().TestPaper.blank(1).verdict);
        QCOMPARE(text(resultWindow(w), "Lab_attempt"), QStringLiteral("第 1 次检查"));
        QVERIFY(w->cursor().shape() != Qt::BusyCursor);

        save(shownTest().test_path, QStringLiteral("pro_1.c"), kExampleOnly);
        check(w, QStringLiteral("Cmd_pro_check"));
        QCOMPARE(headline(w), QStringLiteral("输出不正确"));
        QCOMPARE(text(resultWindow(w), "Lab_attempt"), QStringLiteral("第 2 次检查（上一次：全部通过 (3/3)）"));
        QVERIFY2(account(w).contains(QStringLiteral("隐藏测试 2 没有通过")), qPrintable(account(w)));
        QVERIFY2(account(w).contains(QStringLiteral("有负数")), qPrintable(account(w))); // the bank's word on the case

        // Task 2 reads the file the program opens: data_21.dat is the case's, beside the program.
        click(w, QStringLiteral("Cmd_pro_next"));
        save(shownTest().test_path, QStringLiteral("pro_2.c"), QByteArray(kAverage).replace("data_11", "data_21"));
        check(w, QStringLiteral("Cmd_pro_check"));
        QCOMPARE(headline(w), QStringLiteral("全部通过 (2/2)"));
        QCOMPARE(fileBytes(QDir(shownTest().test_path).filePath(QStringLiteral("data_21.dat"))), QByteArray("1 2 3\r\n"));

        // The review shows each task's last verdict beside its texts.
        click(w, QStringLiteral("cmd_exit"));
        QWidget *review = Forms<Frm_t_over>::loaded();
        QVERIFY(review);
        QCOMPARE(text(review, "Lab_pro_check"), QStringLiteral("检查程序：输出不正确"));
        click(review, QStringLiteral("Cmd_pro_next"));
        QCOMPARE(text(review, "Lab_pro_check"), QStringLiteral("检查程序：全部通过 (2/2)"));
        unloadAllForms();
    }

    void exerciseWindowHoldsAFillInToItsTextAndChecksOnTheKey()
    {
        TestBank bank;
        const int task = bank.nextId();
        bank.addExercise(QStringLiteral("02"), QStringLiteral("03"), {{"title", "填空"}, {"content", QString::fromLatin1(kFillIn)}});
        addSumCases(bank, QStringLiteral("c_excer"), task);
        AppFixture app(bank);
        QWidget *w = startExercise();

        // The check holds the file to the one handed out: only the blanks may change.
        save(shownExercise().exer_path, QStringLiteral("blank_1.c"), QByteArray(kFillIn).replace("___1___", "a + b").replace("int a, b;", "int a, b = 0;"));
        check(w, QStringLiteral("Cmd_blank_check"));
        QCOMPARE(headline(w), QStringLiteral("改动了不能改动的地方"));
        QVERIFY2(account(w).contains(QStringLiteral("第 4 行不是填空的地方，不能改动")), qPrintable(account(w)));

        save(shownExercise().exer_path, QStringLiteral("blank_1.c"), QByteArray(kFillIn).replace("___1___", "a + b"));
        resultWindow(w)->close();
        control<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
        QApplication::setActiveWindow(w); // a shortcut reaches only the active window
        QTest::keyClick(w, Qt::Key_F5);
        QTRY_VERIFY_WITH_TIMEOUT(resultWindow(w), kCheckMs);
        QCOMPARE(headline(w), QStringLiteral("全部通过 (3/3)"));
        unloadAllForms();
    }

    void aBankWithoutCasesOnlyCompiles()
    {
        TestBank bank;
        bank.addTest(QStringLiteral("3"), 1, {{"title", "改错"}, {"content", "/* 改错 */"}});
        bank.exec(QStringLiteral("drop table c_case"));
        AppFixture app(bank);
        QWidget *w = startTest();
        save(shownTest().test_path, QStringLiteral("err_1.c"), kRightSum);
        check(w, QStringLiteral("Cmd_err_check"));
        QCOMPARE(headline(w), QStringLiteral("编译通过"));
        QVERIFY2(account(w).contains(QStringLiteral("题库中没有这道题的测试数据")), qPrintable(account(w)));
        unloadAllForms();
    }

    // The bank's number of faults and the handed-out program reach the check: a file that changes
    // more lines than that is refused before it runs, one that mends the fault passes.
    void correctionIsHeldToItsFaults()
    {
        TestBank bank;
        const int task = addSumTest(bank, QStringLiteral("3"), QString::fromLatin1(kRightSum).replace(QStringLiteral("a + b"), QStringLiteral("a - b")));
        bank.addFaults(QStringLiteral("c_test"), task, 1);
        AppFixture app(bank);
        QWidget *w = startTest();
        save(shownTest().test_path, QStringLiteral("err_1.c"), kExampleOnly);
        check(w, QStringLiteral("Cmd_err_check"));
        QCOMPARE(headline(w), QStringLiteral("改动的行太多"));
        QVERIFY2(account(w).contains(QStringLiteral("这道题有 1 处错误")), qPrintable(account(w)));
        save(shownTest().test_path, QStringLiteral("err_1.c"), kRightSum);
        check(w, QStringLiteral("Cmd_err_check"));
        QCOMPARE(headline(w), QStringLiteral("全部通过 (3/3)"));
        unloadAllForms();
    }

    // At the end, a file changed since its last check is checked while the review is on show;
    // a file as handed out is not, and scores nothing.
    void theEndChecksWhatChangedSinceItsCheck()
    {
        TestBank bank;
        addTestTasks(bank);
        AppFixture app(bank);
        QWidget *w = startTest();
        save(shownTest().test_path, QStringLiteral("pro_1.c"), kRightSum);
        click(w, QStringLiteral("cmd_exit"));
        QWidget *review = Forms<Frm_t_over>::loaded();
        QVERIFY(review);
        QCOMPARE(text(review, "Lab_score"),
                 QStringLiteral("选择题 0/0 · 填空 0/0 · 改错 0/0 · 编程 0/2 · 得分 0 · 用时 00:00 · 正在检查 0/1"));
        QTRY_COMPARE_WITH_TIMEOUT(text(review, "Lab_pro_check"), QStringLiteral("检查程序：全部通过 (3/3)"), kCheckMs);
        QCOMPARE(text(review, "Lab_score"), QStringLiteral("选择题 0/0 · 填空 0/0 · 改错 0/0 · 编程 1/2 · 得分 50 · 用时 00:00"));
        click(review, QStringLiteral("Cmd_pro_next"));
        QCOMPARE(text(review, "Lab_pro_check"), QString());
        QVERIFY(!shownTest().TestPaper.pro(2).verdict);
        unloadAllForms();
    }

    // Ending the test while a check runs stops it: no verdict comes, none is kept.
    void closingTheWindowStopsTheCheck()
    {
        TestBank bank;
        addTestTasks(bank);
        AppFixture app(bank);
        QWidget *w = startTest();
        save(shownTest().test_path, QStringLiteral("pro_1.c"), kRightSum);
        click(w, QStringLiteral("Cmd_pro_check"));
        click(w, QStringLiteral("cmd_exit"));
        QTRY_VERIFY(!Forms<Frm_t_main>::loaded());
        settle();
        QCOMPARE(bool(shownTest().TestPaper.pro(1).verdict), false);
        QWidget *review = Forms<Frm_t_over>::loaded();
        QCOMPARE(text(review, "Lab_pro_check"), QString());
        unloadAllForms();
    }
};

QTEST_MAIN(TestTaskCheck)
#include "tst_task_check.moc"
