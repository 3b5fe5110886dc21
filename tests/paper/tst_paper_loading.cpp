#include "answer/AnswerWindows.h"
#include "answer/Frm_exer.h"
#include "platform/MessageBox.h"
#include "study/Frm_study.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QPointer>

#include <QListWidget>

using namespace AnswerWindows;

class TestPaperLoading : public QObject
{
    Q_OBJECT

    static QWidget *startExercise(const QString &chapter)
    {
        return answer(exerciseRun(chapter));
    }
    static void putFiles(const QString &folder, const QStringList &names)
    {
        QDir().mkpath(folder);
        for (const QString &name : names) {
            QFile f(WorkFolders::join(folder, name));
            f.open(QIODevice::WriteOnly);
            f.write("old");
        }
    }
    // The files the exercise clean-ups moved into the history, of every run.
    static QStringList inHistory()
    {
        const QString history = WorkFolders::join(WorkFolders::base(), "c_zhiqiao/history/excer");
        QStringList files;
        for (const QString &run : QDir(history).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            files << filesIn(WorkFolders::join(history, run));
        files.sort();
        return files;
    }
    // What the folder held before and no longer holds.
    static QStringList gone(QStringList before, const QStringList &after)
    {
        before.removeIf([&](const QString &name) { return after.contains(name); });
        before.sort();
        return before;
    }

private slots:
    void testSetTwoWithFourTwoThreeOneRows()
    {
        TestBank bank;
        bank.addTestChoice(1, "别的题组");
        for (int i = 1; i <= 4; ++i)
            bank.addTest("1", 2, {{"title", QStringLiteral("选择%1").arg(i)}, {"ch1", "甲"}, {"ch2", "乙"}, {"ch4", "丁"},
                                  {"ch_answer", "  B  "}, {"explain", QStringLiteral("解析%1").arg(i)}});
        bank.addTest("2", 2, {{"title", "填空1"}, {"content", "int a;\r\nint b;"}, {"answer", " 答案 "}});
        bank.addTest("2", 2, {{"title", "填空2"}, {"content", "b2"}});
        for (int i = 1; i <= 3; ++i)
            bank.addTest("3", 2, {{"title", QStringLiteral("改错%1").arg(i)}, {"content", QStringLiteral("e%1").arg(i)}});
        bank.addTest("4", 2, {{"title", "编程1"}, {"content", "p1"}, {"data_file", "1"}, {"data_file1", "3 4"},
                              {"answer", "  参考答案  "}});
        bank.addTest("2", 3, {{"title", "别的题组"}, {"content", "no"}});
        AppFixture app(bank);
        QWidget *w = startTest(2);

        QCOMPARE(shownTest().TestPaper.ch.count, 4);
        QCOMPARE(shownTest().TestPaper.blank.count, 2);
        QCOMPARE(shownTest().TestPaper.err.count, 3);
        QCOMPARE(shownTest().TestPaper.pro.count, 1);
        for (int current : {shownTest().TestPaper.ch.current, shownTest().TestPaper.blank.current, shownTest().TestPaper.err.current, shownTest().TestPaper.pro.current})
            QCOMPARE(current, 1);
        QCOMPARE(shownTest().TestPaper.blank(3).title, QString());
        QCOMPARE(shownTest().TestPaper.ch(4).title, QStringLiteral("选择4"));
        QCOMPARE(shownTest().TestPaper.ch(2).option(1), QStringLiteral("[A] 甲"));
        QCOMPARE(shownTest().TestPaper.ch(2).option(3), QStringLiteral("[C] "));
        QCOMPARE(shownTest().TestPaper.ch(3).explain, QStringLiteral("解析3"));
        QCOMPARE(shownTest().TestPaper.ch(1).answer, QStringLiteral("B"));
        QCOMPARE(shownTest().TestPaper.blank(1).answer, QStringLiteral(" 答案 "));
        QCOMPARE(shownTest().TestPaper.pro(1).answer, QStringLiteral("  参考答案  "));
        QCOMPARE(text(w, "Lab_tm(9)"), QStringLiteral("10"));

        QCOMPARE(filesIn(shownTest().test_path), (QStringList{"blank_1.c", "blank_2.c", "data_11.dat", "err_1.c", "err_2.c",
                                                  "err_3.c", "pro_1.c"}));
        QCOMPARE(fileBytes(WorkFolders::join(shownTest().test_path, "blank_1.c")), QByteArray("int a;\r\nint b;\r\n"));
        QCOMPARE(fileBytes(WorkFolders::join(shownTest().test_path, "data_11.dat")), QByteArray("3 4\r\n"));
    }

    void emptyFieldsWriteNoFiles()
    {
        TestBank bank;
        bank.addTest("2", 1, {{"title", "没有程序"}});
        bank.addTest("4", 1, {{"title", "无数据"}, {"content", "p1"}, {"data_file1", "不写"}});
        bank.addTest("4", 1, {{"title", "只有数据"}, {"data_file", "1"}, {"data_file1", "7"}});
        AppFixture app(bank);
        QWidget *w = startTest(1);
        QCOMPARE(shownTest().TestPaper.blank.count, 1);
        QCOMPARE(shownTest().TestPaper.blank(1).title, QStringLiteral("没有程序"));
        QCOMPARE(filesIn(shownTest().test_path), (QStringList{"data_21.dat", "pro_1.c"}));
        // No choice question: the first shows its prefix only.
        QCOMPARE(text(w, "Txt_ch_title"), QStringLiteral("【第1题】: "));
        QCOMPARE(text(w, "ch_text(0)"), QString());
    }

    // The test's clean-up is its set window's to test; an exercise keeps a program and no source.
    void theExerciseLoadClearsTheFolderOnlyWhenItHoldsACSource_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("program only") << QStringList{"program.exe"} << QStringList{"program.exe"};
        QTest::newRow("a source") << QStringList{"program.exe", "a.c"} << QStringList{};
    }

    void theExerciseLoadClearsTheFolderOnlyWhenItHoldsACSource()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        TestBank bank;
        AppFixture app(bank);
        putFiles(WorkFolders::exercisePath(), before);
        startExercise("01");
        QCOMPARE(filesIn(shownExercise().exer_path), after);
        QCOMPARE(inHistory(), gone(before, after)); // nothing of the student's is lost
    }

    void aSecondTestStartsWithNoChoices()
    {
        TestBank bank;
        bank.addTestChoice(1, "一");
        bank.addTestChoice(1, "二");
        AppFixture app(bank);
        QWidget *w = startTest(1);
        const QPointer<QWidget> first = w;
        click(w, "Op1(3)");
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 4);

        QWidget *again = startTest(1);
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 0);
        QVERIFY(redSquares(again).isEmpty());
        QCOMPARE(selectedOption(again, "Op1"), -1);
    }

    void extraRowsAreLeftOutAndTheStudentIsToldOnce()
    {
        TestBank bank;
        for (int i = 1; i <= 12; ++i)
            bank.addTestChoice(1, QStringLiteral("题%1").arg(i));
        for (int i = 1; i <= 4; ++i)
            bank.addTest("2", 1, {{"title", QStringLiteral("填空%1").arg(i)}, {"content", "x"}});
        AppFixture app(bank);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QWidget *w = startTest(1);

        QCOMPARE(MessageBox::askedCount(), 1);
        const auto told = MessageBox::takeLastAsked();
        QVERIFY(told);
        QVERIFY(told->text.startsWith(QStringLiteral("本套练习题的题目多于本窗口能容纳的数量")));
        QVERIFY(told->text.contains(QStringLiteral("选择题：题库中有12题，载入了前10题。")));
        QVERIFY(told->text.contains(QStringLiteral("填空题：题库中有4题，载入了前3题。")));
        QVERIFY(!told->text.contains(QStringLiteral("改错题")));
        QCOMPARE(told->title, QStringLiteral("信息提示"));
        QCOMPARE(told->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(told->icon, QMessageBox::Information);
        QVERIFY(w->isVisible());

        QCOMPARE(shownTest().TestPaper.ch.count, 10);
        QCOMPARE(shownTest().TestPaper.ch(10).title, QStringLiteral("题10"));
        QCOMPARE(shownTest().TestPaper.blank.count, 3);
        QCOMPARE(filesIn(shownTest().test_path), (QStringList{"blank_1.c", "blank_2.c", "blank_3.c"}));
    }

    // Keys of old banks: a letter in either case with blanks around it is that option; any
    // other key keeps its question in its place, as stored, and the questions keep their numbers.
    void answerKeysAsOldBanksHoldThem_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("padded small") << " d  " << "D";
        QTest::newRow("no option") << "E" << "E";
        QTest::newRow("padded word") << " AB " << "AB";
        QTest::newRow("empty") << "" << "";
    }

    void answerKeysAsOldBanksHoldThem()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        TestBank bank;
        bank.addTestChoice(1, "第一题", "A");
        bank.addTestChoice(1, "第二题", stored);
        bank.addTestChoice(1, "第三题", "D");
        bank.addExerciseChoice("03", "练习一", stored);
        bank.addExerciseChoice("03", "练习二", "B");
        AppFixture app(bank);
        startTest(1);
        QCOMPARE(shownTest().TestPaper.ch.count, 3);
        QCOMPARE(shownTest().TestPaper.ch(2).title, QStringLiteral("第二题"));
        QCOMPARE(shownTest().TestPaper.ch(2).answer, shown);
        QCOMPARE(shownTest().TestPaper.ch(3).title, QStringLiteral("第三题"));
        startExercise("03");
        QCOMPARE(shownExercise().ExercisePaper.ch.count, 2);
        QCOMPARE(shownExercise().ExercisePaper.ch(1).answer, shown);
        QCOMPARE(shownExercise().ExercisePaper.ch(2).title, QStringLiteral("练习二"));
    }

    void exerciseLoad()
    {
        TestBank bank;
        bank.addExercise("01", "03", {{"title", "练习"}, {"ch_1", "一"}, {"ch_2", "二"}, {"ch_3", "三"}, {"ch_4", "四"},
                                      {"answer", " C "}});
        bank.addExercise("01", "04", {{"title", "别的章"}});
        for (int i = 1; i <= 5; ++i)
            bank.addExercise("02", "03", {{"title", QStringLiteral("填空%1").arg(i)}, {"content", QStringLiteral("b%1").arg(i)}});
        bank.addExercise("04", "03", {{"title", "编程"}, {"content", "p"}});
        bank.addExercise("04", "03", {{"title", "编程"}});
        bank.addExercise("04", "03", {{"title", "编程"}, {"content", "p3"}, {"data_file", "1"}, {"data_file1", "9"}});
        AppFixture app(bank);
        QWidget *w = startExercise("03");
        QCOMPARE(shownExercise().exer_path, WorkFolders::exercisePath());
        QVERIFY(QDir(shownExercise().exer_path).exists());
        QCOMPARE(shownExercise().ExercisePaper.ch.count, 1);
        QCOMPARE(shownExercise().ExercisePaper.ch(1).option(4), QStringLiteral("[D] 四"));
        QCOMPARE(shownExercise().ExercisePaper.ch(1).answer, QStringLiteral("C"));
        QCOMPARE(shownExercise().ExercisePaper.blank.count, 5);
        QCOMPARE(shownExercise().ExercisePaper.pro.count, 3);
        QCOMPARE(filesIn(shownExercise().exer_path), (QStringList{"blank_1.c", "blank_2.c", "blank_3.c", "blank_4.c", "blank_5.c",
                                                  "data_31.dat", "pro_1.c", "pro_3.c"}));
        QCOMPARE(text(w, "Txt_title"), QStringLiteral("【第1题】: 练习"));
    }

    void exerciseKeepsFiveTasksOfAKind()
    {
        TestBank bank;
        for (int i = 1; i <= 6; ++i)
            bank.addExercise("03", "02", {{"title", QStringLiteral("改错%1").arg(i)}});
        AppFixture app(bank);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        startExercise("02");
        const auto told = MessageBox::takeLastAsked();
        QVERIFY(told);
        QVERIFY(told->text.startsWith(QStringLiteral("本单元练习的题目多于")));
        QVERIFY(told->text.contains(QStringLiteral("改错题：题库中有6题，载入了前5题。")));
        QCOMPARE(shownExercise().ExercisePaper.err.count, 5);
        QCOMPARE(shownExercise().ExercisePaper.err(5).title, QStringLiteral("改错5"));
    }

    void aFailedExerciseLoadReturnsToTheStudyWindow()
    {
        TestBank bank;
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), QStringLiteral("概述的内容"));
        AppFixture app(bank);
        bank.exec("drop table c_excer");
        QWidget *study = Forms<Frm_study>::show();
        control<QListWidget>(study, "List_item")->setCurrentRow(0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(study, "Cmd_excer");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto told = MessageBox::takeLastAsked();
        QVERIFY(told);
        QVERIFY(told->text.startsWith(QStringLiteral("无法开始单元练习。")));
        QCOMPARE(told->title, QStringLiteral("信息提示"));
        QCOMPARE(told->icon, QMessageBox::Critical);
        QVERIFY(!Forms<Frm_exer>::loaded());
        QVERIFY(Forms<Frm_study>::loaded() && Forms<Frm_study>::loaded()->isVisible());
    }
};

QTEST_MAIN(TestPaperLoading)
#include "tst_paper_loading.moc"
