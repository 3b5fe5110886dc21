#include "answer/AnswerWindows.h"
#include "answer/Frm_exer.h"
#include "platform/MessageBox.h"
#include "review/Frm_excer_over.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

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
        QCOMPARE(text(w, "rTxt_blank"), QStringLiteral("【1】填空一"));
        QCOMPARE(text(w, "Lab_exerpath"), shownExercise().exer_path);
        QCOMPARE(text(w, "Command1"), QStringLiteral("结束练习"));
        QCOMPARE(text(w, "Cmd_b_1(0)"), QStringLiteral("下一题"));
        QCOMPARE(text(w, "Cmd_pro(1)"), QStringLiteral("上一题"));
        QCOMPARE(text(w, "Command4"), QStringLiteral("启动VC"));
        QCOMPARE(framedSquares(w), QList<int>{1});
        QVERIFY(!preOn(w));
    }

    // Unlike the test's, by the square's position alone: with one question, square 1 leaves next on.
    void squareClicksSetTheButtonsByPosition()
    {
        TestBank bank;
        addChoices(bank, 1);
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

    void fiveBlankTasksStopAtTheFifth()
    {
        TestBank bank;
        for (int i = 1; i <= 5; ++i)
            bank.addExercise("02", "03", {{"title", QStringLiteral("填空%1").arg(i)}});
        AppFixture app(bank);
        QWidget *w = startExercise();
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
        click(w, "Lab_exerpath");
        QCOMPARE(app.launches.size(), 2);
        QCOMPARE(app.launches[0].arguments, QStringList{WorkFolders::join(shownExercise().exer_path, "err_2.c")});
        QCOMPARE(app.launches[1].arguments, QStringList{shownExercise().exer_path});
    }

    // The window has no close box: "结束练习" is the way out. A close request from elsewhere (the
    // desktop's close key) asks as that button does, so the exercise is never left unasked. The
    // exercise clock goes on while asked, and on into the next exercise.
    void endingAsksFirstAndTheClockGoesOn()
    {
        TestBank bank;
        addChoices(bank, 2);
        AppFixture app(bank);
        QWidget *w = startExercise();
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        click(w, "Option1(1)");
        ExerciseClock::exer_clock = 749;

        MessageBox::setNextAnswer(QMessageBox::No);
        QVERIFY(!w->close());
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否结束单元练习？|Question|Yes+No"));
        QCOMPARE(Forms<Frm_exer>::loaded(), w);
        QVERIFY(w->isVisible());
        tick(w);
        QCOMPARE(text(w, "Lab_time"), QStringLiteral("0:12:30"));

        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, "Command1");
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否结束单元练习？|Question|Yes+No"));
        settle();
        QVERIFY(!Forms<Frm_exer>::loaded());
        QVERIFY(shown(Forms<Frm_excer_over>::loaded()));
        QCOMPARE(shownExercise().ExercisePaper.ch(1).chosen, 2);
        Forms<Frm_excer_over>::unload();

        QWidget *second = startExercise();
        QCOMPARE(text(second, "Lab_time"), QString());
        tick(second);
        QCOMPARE(text(second, "Lab_time"), QStringLiteral("0:12:31"));
    }
};

QTEST_MAIN(TestFrmExer)
#include "tst_frm_exer.moc"
