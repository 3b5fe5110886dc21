#include "answer/AnswerWindows.h"
#include "answer/Frm_t_main.h"
#include "platform/MessageBox.h"
#include "review/Frm_t_over.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

using namespace AnswerWindows;

struct Step
{
    QString click;
    int times;
    int current;
    QString title;
    bool nextOn, preOn;
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
    static void next(QWidget *w) { click(w, QStringLiteral("Cmd_next")); }
    static void pre(QWidget *w) { click(w, QStringLiteral("Cmd_pre")); }
    static void square(QWidget *w, int n) { click(w, QStringLiteral("Lab_tm(%1)").arg(n - 1)); }
    static void option(QWidget *w, int k) { click(w, QStringLiteral("Op1(%1)").arg(k)); }
    static QString title(QWidget *w) { return text(w, QStringLiteral("Txt_ch_title")); }
    static bool nextOn(QWidget *w) { return enabled(w, QStringLiteral("Cmd_next")); }
    static bool preOn(QWidget *w) { return enabled(w, QStringLiteral("Cmd_pre")); }

private slots:
    void loadLeavesQuestionOneWithTheAsciiColon()
    {
        TestBank bank;
        addChoices(bank, 3);
        AppFixture app(bank);
        QWidget *w = startTest();
        QCOMPARE(w->windowTitle(), QStringLiteral("智桥-C语言综合练习系统"));
        QCOMPARE(title(w), QStringLiteral("【第1题】: 题目1"));
        QCOMPARE(text(w, "ch_text(0)"), QStringLiteral("[A] 选项A"));
        QCOMPARE(text(w, "ch_text(3)"), QStringLiteral("[D] 选项D"));
        QCOMPARE(text(w, "Lab_path"), shownTest().test_path);
        QCOMPARE(text(w, "Lab_time"), QStringLiteral("00:00:00"));
        for (int k = 0; k < 10; ++k)
            QCOMPARE(text(w, QStringLiteral("Lab_tm(%1)").arg(k)), QString::number(k + 1));
        QCOMPARE(framedSquares(w), QList<int>{1});
        QVERIFY(redSquares(w).isEmpty());
        QCOMPARE(selectedOption(w, "Op1"), -1);
        QVERIFY(nextOn(w));
        QVERIFY(!preOn(w));
        QCOMPARE(control<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
    }

    // The paging of a test of so many questions: the control clicked (so many times), then the
    // question on show (the framed square too), its title, and whether Next and Previous are on.
    // A square click leaves both buttons as they are.
    void paging_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QList<int>>("chosen"); // after the steps, question by question
        QTest::newRow("ten") << 10
            << QList<Step>{{"Cmd_next", 2, 3, "【第3题】： 题目3", true, true},
                           {"Cmd_next", 6, 9, "【第9题】： 题目9", true, true},
                           {"Cmd_next", 1, 10, "【第10题】： 题目10", false, true},
                           {"Lab_tm(2)", 1, 3, "第3题： 题目3", false, true},
                           {"Cmd_pre", 1, 2, "【第2题】： 题目2", true, true}, // previous brings next back
                           {"Cmd_pre", 1, 1, "【第1题】： 题目1", true, false},
                           {"Lab_tm(9)", 1, 10, "第10题： 题目10", true, false},
                           {"Cmd_next", 1, 10, "第10题： 题目10", false, true}} // unmoved
            << QList<int>(10, 0);
        // Right after the load previous stays disabled until next is used.
        QTest::newRow("six") << 6
            << QList<Step>{{"Lab_tm(4)", 1, 5, "第5题： 题目5", true, false},
                           {"Cmd_next", 1, 6, "【第6题】： 题目6", false, true},
                           {"Cmd_next", 1, 6, "【第6题】： 题目6", false, true}}
            << QList<int>(10, 0);
        // Beyond the loaded questions an answer is kept, next does nothing, previous pages back
        // over all ten squares.
        QTest::newRow("square nine of six") << 6
            << QList<Step>{{"Cmd_next", 1, 2, "【第2题】： 题目2", true, true},
                           {"Lab_tm(8)", 1, 9, "第9题： ", true, true},
                           {"Op1(1)", 1, 9, "第9题： ", true, true},
                           {"Cmd_next", 1, 9, "第9题： ", true, true},
                           {"Cmd_pre", 1, 8, "【第8题】： ", true, true}}
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 2, 0};
        QTest::newRow("one") << 1
            << QList<Step>{{"Cmd_next", 1, 1, "【第1题】: 题目1", false, true},
                           {"Cmd_pre", 1, 1, "【第1题】: 题目1", false, true}}
            << QList<int>(10, 0);
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

    void answersAreRecordedAndRestored()
    {
        TestBank bank;
        addChoices(bank, 4);
        AppFixture app(bank);
        QWidget *w = startTest();

        option(w, 2); // C
        option(w, 0); // then A
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 1);
        QCOMPARE(redSquares(w), QList<int>{1});

        next(w);
        QCOMPARE(selectedOption(w, "Op1"), -1); // nothing carried over from question 1
        next(w);
        option(w, 3);
        QCOMPARE(shownTest().TestPaper.ch(3).chosen, 4);
        pre(w);
        QCOMPARE(selectedOption(w, "Op1"), -1);
        pre(w);
        QCOMPARE(selectedOption(w, "Op1"), 0);
        square(w, 3);
        QCOMPARE(selectedOption(w, "Op1"), 3);
        square(w, 2);
        QCOMPARE(selectedOption(w, "Op1"), -1);

        // Restoring a choice never records one, and red squares never turn back.
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 1);
        QCOMPARE(shownTest().TestPaper.ch(2).chosen, 0);
        QCOMPARE(shownTest().TestPaper.ch(3).chosen, 4);
        QCOMPARE(shownTest().TestPaper.ch(4).chosen, 0);
        QCOMPARE(redSquares(w), (QList<int>{1, 3}));
    }

    // Each program tab names the file of the task on show, the one the student edits.
    void taskTabsPageWithinTheirTasks()
    {
        TestBank bank;
        bank.addTest("2", 1, {{"title", "填空一"}});
        bank.addTest("2", 1, {{"title", "填空二"}});
        bank.addTest("4", 1, {{"title", "编程一"}});
        bank.addExercise("02", "03", {{"title", "练习填空"}});
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
        QCOMPARE(shownTest().TestPaper.blank.current, 2);
        click(w, "cmd_blank_pre");
        QCOMPARE(text(w, "Txt_blank"), QStringLiteral("【1】填空一"));

        // No error-correction tasks: the buttons still answer, with the bare number.
        click(w, "Cmd_err_next");
        QCOMPARE(text(w, "Txt_err"), QStringLiteral("【1】"));
        QCOMPARE(shownTest().TestPaper.err.current, 1);
        click(w, "Cmd_pro_next");
        QCOMPARE(text(w, "Txt_pro"), QStringLiteral("【1】编程一"));
        for (const char *name : {"cmd_blank_next", "cmd_blank_pre", "Cmd_err_next", "cmd_err_pre", "Cmd_pro_next", "Cmd_pro_pre"})
            QVERIFY(enabled(w, name));
        QCOMPARE(text(startExercise(), "Lab_blank_file"), QStringLiteral("题目文件：\nblank_1.c"));
    }

    void editorOpensTheTaskOnShow()
    {
        FakeEditor editor;
        TestBank bank;
        bank.addTest("2", 1, {{"title", "有程序"}, {"content", "int main(void) { return 0; }"}});
        bank.addTest("2", 1, {{"title", "无程序"}});
        AppFixture app(bank);
        QWidget *w = startTest();

        click(w, "Cmd_blank_vc");
        QCOMPARE(app.launches.size(), 1);
        QCOMPARE(app.launches[0].program, editor.program());
        QCOMPARE(app.launches[0].arguments, QStringList{WorkFolders::join(shownTest().test_path, "blank_1.c")});

        click(w, "cmd_blank_next");
        click(w, "Cmd_blank_vc");
        QCOMPARE(app.launches.size(), 2);
        QCOMPARE(app.launches[1].arguments, QStringList{}); // no file for task 2: the editor alone

        click(w, "Lab_path");
        QCOMPARE(app.launches.size(), 3);
        QCOMPARE(app.launches[2].arguments, QStringList{shownTest().test_path});
    }

    // With no editor and no desktop program on PATH, the student is told, in one box.
    void anEditorButtonThatStartsNothingSaysSo()
    {
        TestBank bank;
        bank.addTest("4", 1, {{"title", "编程"}, {"content", "int main(void) { return 0; }"}});
        AppFixture app(bank);
        QWidget *w = startTest();
        QTemporaryDir emptyBin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", emptyBin.path().toLocal8Bit());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(w, "Cmd_pro_vc");
        qputenv("PATH", path);

        QVERIFY(app.launches.isEmpty());
        QCOMPARE(MessageBox::askedCount(), 1);
        const auto asked = MessageBox::takeLastAsked();
        QCOMPARE(asked->title, QStringLiteral("信息提示"));
        QCOMPARE(asked->icon, QMessageBox::Information);
        QVERIFY(asked->text.contains(WorkFolders::join(shownTest().test_path, "pro_1.c")));
        QVERIFY(asked->text.contains(QStringLiteral("sudo apt install geany")));
        QVERIFY(w->isVisible());
    }

    void closingShowsTheReview_data() { addCloseRows("退出"); }

    void closingShowsTheReview()
    {
        QFETCH(bool, byCloseBox);
        TestBank bank;
        addChoices(bank, 2);
        AppFixture app(bank);
        QWidget *w = startTest();
        option(w, 1);
        if (byCloseBox)
            w->close();
        else
            click(w, "cmd_exit");
        settle();
        QVERIFY(!Forms<Frm_t_main>::loaded());
        QVERIFY(Forms<Frm_t_over>::loaded() && Forms<Frm_t_over>::loaded()->isVisible());
        QCOMPARE(MessageBox::askedCount(), 0);
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 2); // kept for the review
    }
};

QTEST_MAIN(TestFrmTMain)
#include "tst_frm_t_main.moc"
