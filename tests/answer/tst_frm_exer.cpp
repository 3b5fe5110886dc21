#include "answer/AnswerWindows.h"
#include "answer/Frm_exer.h"
#include "platform/MessageBox.h"
#include "review/Frm_excer_over.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QPointer>

using namespace AnswerWindows;

class TestFrmExer : public QObject
{
    Q_OBJECT

    static void addChoices(TestBank &bank, int count)
    {
        for (int i = 1; i <= count; ++i)
            bank.addExerciseChoice("03", QStringLiteral("练习%1").arg(i));
    }
    static void square(QWidget *w, int n) { click(w, QStringLiteral("Lab_tm(%1)").arg(n - 1)); }
    static bool nextOn(QWidget *w) { return enabled(w, QStringLiteral("Cmd_next")); }
    static bool preOn(QWidget *w) { return enabled(w, QStringLiteral("Cmd_pre")); }

private slots:
    void loadShowsTheFirstQuestions()
    {
        TestBank bank;
        addChoices(bank, 2);
        bank.addExercise("02", "03", {{"title", "填空一"}});
        AppFixture app(bank);
        QWidget *w = startExercise();
        QCOMPARE(w->windowTitle(), QStringLiteral("智桥-C语言单元练习系统"));
        QCOMPARE(text(w, "Txt_title"), QStringLiteral("【第1题】: 练习1"));
        QCOMPARE(text(w, "ch_text(1)"), QStringLiteral("[B] 选项B"));
        QCOMPARE(text(w, "rTxt_blank"), QStringLiteral("【1】填空一"));
        QCOMPARE(text(w, "rTxt_err"), QStringLiteral("【1】"));
        QCOMPARE(text(w, "Lab_exerpath"), shownExercise().exer_path);
        QCOMPARE(text(w, "Lab_time"), QString());
        QCOMPARE(text(w, "Command1"), QStringLiteral("结束练习"));
        QCOMPARE(text(w, "Cmd_b_1(0)"), QStringLiteral("下一题"));
        QCOMPARE(text(w, "Cmd_pro(1)"), QStringLiteral("上一题"));
        QCOMPARE(text(w, "Command4"), QStringLiteral("启动VC"));
        QCOMPARE(framedSquares(w), QList<int>{1});
        QVERIFY(!preOn(w));
    }

    void squareClicksSetTheButtonsByPosition_data()
    {
        QTest::addColumn<int>("questions");
        QTest::newRow("one question") << 1;
        QTest::newRow("six questions") << 6;
        QTest::newRow("ten questions") << 10;
    }

    void squareClicksSetTheButtonsByPosition()
    {
        QFETCH(int, questions);
        TestBank bank;
        addChoices(bank, questions);
        AppFixture app(bank);
        QWidget *w = startExercise();

        square(w, 10);
        QVERIFY(!nextOn(w));
        QVERIFY(preOn(w));
        QCOMPARE(text(w, "Txt_title").left(6), QStringLiteral("第10题： "));
        square(w, 1);
        QVERIFY(nextOn(w));
        QVERIFY(!preOn(w));
        square(w, 5);
        QVERIFY(nextOn(w));
        QVERIFY(preOn(w));
        QCOMPARE(framedSquares(w), QList<int>{5});
    }

    void choicePagingAndAnsweringAsInTheTest()
    {
        TestBank bank;
        addChoices(bank, 3);
        AppFixture app(bank);
        QWidget *w = startExercise();
        click(w, "Option1(2)");
        click(w, "Cmd_next");
        QCOMPARE(text(w, "Txt_title"), QStringLiteral("【第2题】： 练习2"));
        QCOMPARE(selectedOption(w, "Option1"), -1);
        click(w, "Cmd_next");
        QVERIFY(!nextOn(w));
        click(w, "Cmd_pre");
        click(w, "Cmd_pre");
        QCOMPARE(selectedOption(w, "Option1"), 2);
        QCOMPARE(shownExercise().ExercisePaper.ch(1).chosen, 3);
        QCOMPARE(redSquares(w), QList<int>{1});
        QCOMPARE(framedSquares(w), QList<int>{1});
        QVERIFY(!preOn(w));
    }

    void fiveBlankTasksStopAtTheFifth()
    {
        TestBank bank;
        for (int i = 1; i <= 5; ++i)
            bank.addExercise("02", "03", {{"title", QStringLiteral("填空%1").arg(i)}});
        AppFixture app(bank);
        QWidget *w = startExercise();
        click(w, "Cmd_b_1(1)");
        QCOMPARE(text(w, "rTxt_blank"), QStringLiteral("【1】填空1"));
        for (int i = 0; i < 5; ++i)
            click(w, "Cmd_b_1(0)");
        QCOMPARE(shownExercise().ExercisePaper.blank.current, 5);
        QCOMPARE(text(w, "rTxt_blank"), QStringLiteral("【5】填空5"));
        click(w, "Cmd_b_1(1)");
        QCOMPARE(text(w, "rTxt_blank"), QStringLiteral("【4】填空4"));
    }

    void editorAndFolderUseTheExerciseFolder()
    {
        FakeEditor editor;
        TestBank bank;
        bank.addExercise("03", "03", {{"title", "改错一"}});
        bank.addExercise("03", "03", {{"title", "改错二"}, {"content", "int main() { return 1 }"}});
        AppFixture app(bank);
        QWidget *w = startExercise();
        click(w, "Cmd_err(0)");
        click(w, "Command3");
        click(w, "Cmd_err(1)");
        click(w, "Command3");
        click(w, "Lab_exerpath");
        QCOMPARE(app.launches.size(), 3);
        QCOMPARE(app.launches[0].arguments, QStringList{WorkFolders::join(shownExercise().exer_path, "err_2.c")});
        QCOMPARE(app.launches[1].arguments, QStringList{});
        QCOMPARE(app.launches[2].arguments, QStringList{shownExercise().exer_path});
    }

    void endingAsksFirst()
    {
        TestBank bank;
        addChoices(bank, 2);
        AppFixture app(bank);
        QWidget *w = startExercise();
        click(w, "Option1(1)");
        ExerciseClock::exer_clock = 40;

        MessageBox::setNextAnswer(QMessageBox::No);
        click(w, "Command1");
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否结束单元练习？|Question|Yes+No"));
        QCOMPARE(Forms<Frm_exer>::loaded(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(shownExercise().ExercisePaper.ch(1).chosen, 2);
        QVERIFY(control<QTimer>(w, "Timer1")->isActive());
        tick(w);
        QCOMPARE(text(w, "Lab_time"), QStringLiteral("0:00:41")); // the clock goes on

        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, "Command1");
        settle();
        QVERIFY(!Forms<Frm_exer>::loaded());
        QVERIFY(Forms<Frm_excer_over>::loaded() && Forms<Frm_excer_over>::loaded()->isVisible());
        QCOMPARE(shownExercise().ExercisePaper.ch(1).chosen, 2);
    }

    // The window has no close box: "结束练习" is the way out. A close request from elsewhere (the
    // desktop's close key) asks as that button does, so the exercise is never left unasked.
    void noCloseBoxAndACloseRequestAsksAsTheEndButtonDoes()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = startExercise();
        QVERIFY(w->windowFlags() & Qt::CustomizeWindowHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowTitleHint);
        MessageBox::setNextAnswer(QMessageBox::No);
        QVERIFY(!w->close());
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否结束单元练习？|Question|Yes+No"));
        QVERIFY(w->isVisible());
        QCOMPARE(Forms<Frm_exer>::loaded(), w);

        MessageBox::setNextAnswer(QMessageBox::Yes);
        w->close();
        settle();
        QVERIFY(!Forms<Frm_exer>::loaded());
        QVERIFY(Forms<Frm_excer_over>::loaded() && Forms<Frm_excer_over>::loaded()->isVisible());
    }

    void theClockGoesOnAcrossExercises()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = startExercise();
        const QPointer<QWidget> first = w;
        ExerciseClock::exer_clock = 749;
        tick(w);
        QCOMPARE(text(w, "Lab_time"), QStringLiteral("0:12:30"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, "Command1");
        settle();
        QVERIFY(!first);
        Forms<Frm_excer_over>::unload();

        QWidget *second = startExercise();
        QCOMPARE(text(second, "Lab_time"), QString());
        QCOMPARE(ExerciseClock::exer_clock, 750);
        tick(second);
        QCOMPARE(text(second, "Lab_time"), QStringLiteral("0:12:31"));
    }
};

QTEST_MAIN(TestFrmExer)
#include "tst_frm_exer.moc"
