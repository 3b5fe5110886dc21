#include "answer/AnswerClock.h"
#include "answer/AnswerWindows.h"
#include "answer/Frm_t_main.h"
#include "platform/MessageBox.h"
#include "review/Frm_t_over.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QPointer>
#include <QThread>

using namespace AnswerWindows;

struct Step
{
    QString click;
    int times;
    int current;
    QString title;
    bool nextOn, preOn;
    int selected; // the option selected on show, -1 for none
};

class TestFrmTMain : public QObject
{
    Q_OBJECT

    // Choice questions "题目1".. of test set 1.
    static void addChoices(TestBank &bank, int count)
    {
        for (int i = 1; i <= count; ++i)
            bank.addTestChoice(1, QStringLiteral("题目%1").arg(i));
    }
    static QString title(QWidget *w) { return text(w, QStringLiteral("Txt_ch_title")); }
    static bool nextOn(QWidget *w) { return enabled(w, QStringLiteral("Cmd_next")); }
    static bool preOn(QWidget *w) { return enabled(w, QStringLiteral("Cmd_pre")); }

private slots:
    void loadShowsTheOptionsAndTheFolder()
    {
        TestBank bank;
        addChoices(bank, 3);
        AppFixture app(bank);
        QWidget *w = startTest();
        QCOMPARE(w->windowTitle(), QStringLiteral("智桥-C语言综合练习系统"));
        QCOMPARE(text(w, "ch_text(0)"), QStringLiteral("[A] 选项A"));
        QCOMPARE(text(w, "Lab_path"), shownTest().test_path);
    }

    // The paging of a test of so many questions: the control clicked (so many times), then the
    // question on show (the framed square too), its title, whether Next and Previous are on, and
    // the option selected. A square click leaves both buttons as they are. Question 1 shows first
    // with an ASCII colon, and with next on and previous off.
    void paging_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QList<int>>("chosen"); // after the steps, question by question
        QTest::newRow("ten") << 10
            << QList<Step>{{"Cmd_next", 2, 3, "【第3题】： 题目3", true, true, -1},
                           {"Cmd_next", 6, 9, "【第9题】： 题目9", true, true, -1},
                           {"Cmd_next", 1, 10, "【第10题】： 题目10", false, true, -1},
                           {"Lab_tm(2)", 1, 3, "第3题： 题目3", false, true, -1},
                           {"Cmd_pre", 1, 2, "【第2题】： 题目2", true, true, -1}, // previous brings next back
                           {"Cmd_pre", 1, 1, "【第1题】： 题目1", true, false, -1},
                           {"Lab_tm(9)", 1, 10, "第10题： 题目10", true, false, -1},
                           {"Cmd_next", 1, 10, "第10题： 题目10", false, true, -1}} // unmoved
            << QList<int>(10, 0);
        // Beyond the loaded questions an answer is kept, next does nothing, previous pages back
        // over all ten squares.
        QTest::newRow("square nine of six") << 6
            << QList<Step>{{"Cmd_next", 1, 2, "【第2题】： 题目2", true, true, -1},
                           {"Lab_tm(8)", 1, 9, "第9题： ", true, true, -1},
                           {"Op1(1)", 1, 9, "第9题： ", true, true, 1},
                           {"Cmd_next", 1, 9, "第9题： ", true, true, 1},
                           {"Cmd_pre", 1, 8, "【第8题】： ", true, true, -1}}
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 2, 0};
        QTest::newRow("one") << 1
            << QList<Step>{{"Cmd_next", 1, 1, "【第1题】: 题目1", false, true, -1},
                           {"Cmd_pre", 1, 1, "【第1题】: 题目1", false, true, -1}}
            << QList<int>(10, 0);
        // The last option clicked is the answer; paging and square clicks restore each question's
        // own, and restoring one never records one.
        QTest::newRow("answers") << 4
            << QList<Step>{{"Op1(2)", 1, 1, "【第1题】: 题目1", true, false, 2},
                           {"Op1(0)", 1, 1, "【第1题】: 题目1", true, false, 0},
                           {"Cmd_next", 1, 2, "【第2题】： 题目2", true, true, -1},
                           {"Cmd_next", 1, 3, "【第3题】： 题目3", true, true, -1},
                           {"Op1(3)", 1, 3, "【第3题】： 题目3", true, true, 3},
                           {"Cmd_pre", 2, 1, "【第1题】： 题目1", true, false, 0},
                           {"Lab_tm(2)", 1, 3, "第3题： 题目3", true, false, 3},
                           {"Lab_tm(1)", 1, 2, "第2题： 题目2", true, false, -1}}
            << QList<int>{1, 0, 4, 0, 0, 0, 0, 0, 0, 0};
    }

    void paging()
    {
        QFETCH(int, count);
        QFETCH(QList<Step>, steps);
        QFETCH(QList<int>, chosen);
        TestBank bank;
        addChoices(bank, count);
        AppFixture app(bank);
        QWidget *w = startTest();
        for (const Step &step : steps) {
            for (int i = 0; i < step.times; ++i)
                click(w, step.click);
            QCOMPARE(shownTest().TestPaper.ch.current, step.current);
            QCOMPARE(title(w), step.title);
            QCOMPARE(framedSquares(w), QList<int>{step.current});
            QCOMPARE(std::pair(nextOn(w), preOn(w)), std::pair(step.nextOn, step.preOn));
            QCOMPARE(selectedOption(w, "Op1"), step.selected);
            if (step.current > count)
                for (int k = 0; k < 4; ++k)
                    QCOMPARE(text(w, QStringLiteral("ch_text(%1)").arg(k)), QString());
        }
        QList<int> answered; // shown red
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(shownTest().TestPaper.ch(n).chosen, chosen[n - 1]);
            if (chosen[n - 1])
                answered << n;
        }
        QCOMPARE(redSquares(w), answered);
    }

    // Each program tab names the file of the task on show, the one the student edits.
    void taskTabsPageWithinTheirTasks()
    {
        TestBank bank;
        bank.addTest("2", 1, {{"title", "填空一"}});
        bank.addTest("2", 1, {{"title", "填空二"}});
        bank.addTest("4", 1, {{"title", "编程一"}});
        AppFixture app(bank);
        QWidget *w = startTest();

        QCOMPARE(text(w, "Txt_blank"), QStringLiteral("【1】填空一"));
        QCOMPARE(text(w, "Lab_blank_file"), QStringLiteral("题目文件：\nblank_1.c"));
        click(w, "cmd_blank_pre");
        QCOMPARE(text(w, "Txt_blank"), QStringLiteral("【1】填空一"));
        click(w, "cmd_blank_next");
        QCOMPARE(text(w, "Txt_blank"), QStringLiteral("【2】填空二"));
        QCOMPARE(text(w, "Lab_blank_file"), QStringLiteral("题目文件：\nblank_2.c"));
        QCOMPARE(text(w, "Lab_pro_file"), QStringLiteral("题目文件：\npro_1.c"));
        QCOMPARE(text(w, "Lab_err_file"), QString()); // no task, no file
        click(w, "cmd_blank_next");
        QCOMPARE(text(w, "Txt_blank"), QStringLiteral("【2】填空二"));
        click(w, "Cmd_pro_next");
        QCOMPARE(text(w, "Txt_pro"), QStringLiteral("【1】编程一"));
    }

    void editorOpensTheTaskOnShow()
    {
        FakeEditor editor;
        TestBank bank;
        bank.addTest("4", 1, {{"title", "一"}, {"content", "int main(void) { return 1; }"}});
        bank.addTest("4", 1, {{"title", "二"}, {"content", "int main(void) { return 2; }"}});
        AppFixture app(bank);
        QWidget *w = startTest();
        click(w, "Cmd_pro_next");
        click(w, "Cmd_pro_vc");
        click(w, "Lab_path");
        QCOMPARE(app.launches.size(), 2);
        QCOMPARE(app.launches[0].program, editor.program());
        QCOMPARE(app.launches[0].arguments, QStringList{WorkFolders::join(shownTest().test_path, "pro_2.c")});
        QCOMPARE(app.launches[1].arguments, QStringList{shownTest().test_path});
    }

    // "退出" ends the test at once, asking nothing, by closing the window as its close box does.
    // The clock, counting on past the sixteen-bit limit, stops with the window, and a new test
    // starts it from zero.
    void closingShowsTheReviewAndStopsTheClock()
    {
        TestBank bank;
        addChoices(bank, 2);
        AppFixture app(bank);
        const std::shared_ptr<TestRun> run = testRun();
        run->test_clock = 32767;
        QWidget *w = answer(run);
        const QPointer<QTimer> timer = control<QTimer>(w, QStringLiteral("Timer1"));
        click(w, "Op1(1)");
        tick(w);
        QCOMPARE(text(w, "Lab_time"), QStringLiteral("09:06:08"));
        click(w, "cmd_exit");
        settle();
        QVERIFY(!timer);
        QVERIFY(!Forms<Frm_t_main>::loaded());
        QVERIFY(shown(Forms<Frm_t_over>::loaded()));
        QCOMPARE(MessageBox::askedCount(), 0);
        QCOMPARE(run->TestPaper.ch(1).chosen, 2); // kept for the review
        QCOMPARE(run->test_clock, 32768);
        QWidget *again = startTest();
        QCOMPARE(shownTest().test_clock, 0);
        QCOMPARE(text(again, "Lab_time"), QStringLiteral("00:00:00"));
    }

    // The clock's text, the test's with two hour digits, the exercise's with one.
    void clockFormats_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("exercise");
        QTest::newRow("60") << 60 << "00:01:00" << "0:01:00";
        QTest::newRow("36000") << 36000 << "10:00:00" << "10:00:00";
        QTest::newRow("100 hours") << 360000 << "100:00:00" << "100:00:00";
    }

    void clockFormats()
    {
        QFETCH(int, seconds);
        QFETCH(QString, test);
        QFETCH(QString, exercise);
        QCOMPARE(AnswerClock::text(seconds, 2), test);
        QCOMPARE(AnswerClock::text(seconds, 1), exercise);
    }

    void aBlockedProgramDoesNotMakeTheClockRace()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = startTest();
        QThread::msleep(3500); // the event loop is held up, as by a long piece of work
        QTest::qWait(200);
        // The missed seconds come as one tick, not three; a slow machine may add one more.
        QVERIFY2(shownTest().test_clock <= 2, qPrintable(QString::number(shownTest().test_clock)));
        QCOMPARE(text(w, "Lab_time"), AnswerClock::text(shownTest().test_clock, 2));
    }
};

QTEST_MAIN(TestFrmTMain)
#include "tst_frm_t_main.moc"
