// "检查程序" in both answering windows without a compiler: where the buttons sit, their key, and
// what a student is told when nothing can be compiled or the tab has no task.

#include "answer/CheckWindows.h"
#include "answer/Frm_exer.h"
#include "platform/MessageBox.h"
#include "judge/VerdictText.h"
#include "support/AppFixture.h"

#include <QLabel>
#include <QPushButton>

using namespace AnswerWindows;
using namespace CheckWindows;

class TestCheckButton : public QObject
{
    Q_OBJECT

    // Each check button lies inside its frame, below the paging buttons and above "启动VC",
    // overlapping none of them, with its caption whole.
    static void verifyPlaced(QWidget *w, const QStringList &checks, const QStringList &editors)
    {
        for (qsizetype k = 0; k < checks.size(); ++k) {
            auto *check = control<QPushButton>(w, checks[k]);
            auto *editor = control<QPushButton>(w, editors[k]);
            QCOMPARE(check->text(), QStringLiteral("检查程序"));
            QCOMPARE(check->parentWidget(), editor->parentWidget());
            QVERIFY(check->parentWidget()->rect().contains(check->geometry()));
            for (QPushButton *other : check->parentWidget()->findChildren<QPushButton *>()) {
                if (other != check)
                    QVERIFY2(!other->geometry().intersects(check->geometry()), qPrintable(other->objectName()));
            }
            QCOMPARE(check->width(), editor->width());
            QVERIFY(check->fontMetrics().horizontalAdvance(check->text()) < check->width());
            QVERIFY(check->toolTip().contains(QStringLiteral("F5")));
        }
    }

    // The label of the check on saving sits in the same frame below the file's name, overlapping
    // no button, and holds a pass on one line and a longer headline on two.
    static void verifyRecheckLabels(QWidget *w)
    {
        for (const char *kind : {"blank", "err", "pro"}) {
            auto *label = control<QLabel>(w, QStringLiteral("Lab_%1_recheck").arg(QLatin1String(kind)));
            auto *file = control<QLabel>(w, QStringLiteral("Lab_%1_file").arg(QLatin1String(kind)));
            QCOMPARE(label->parentWidget(), file->parentWidget());
            QVERIFY(label->parentWidget()->rect().contains(label->geometry()));
            QVERIFY(label->geometry().top() >= file->geometry().bottom());
            for (QPushButton *button : label->parentWidget()->findChildren<QPushButton *>())
                QVERIFY2(!button->geometry().intersects(label->geometry()), qPrintable(button->objectName()));
            QVERIFY(label->fontMetrics().horizontalAdvance(QStringLiteral("pro_1.c：全部通过 (4/4)")) < label->width());
            QVERIFY(label->height() >= 2 * label->fontMetrics().lineSpacing());
        }
    }

private slots:
    void buttonsSitBesideTheEditorButton()
    {
        TestBank bank;
        AppFixture app(bank);
        verifyPlaced(startTest(), {"Cmd_blank_check", "Cmd_err_check", "Cmd_pro_check"},
                     {"Cmd_blank_vc", "Cmd_err_vc", "Cmd_pro_vc"});
        verifyPlaced(startExercise(), {"Cmd_blank_check", "Cmd_err_check", "Cmd_pro_check"},
                     {"Command2", "Command3", "Command4"});
    }

    void recheckLabelsSitBelowTheFileName()
    {
        TestBank bank;
        AppFixture app(bank);
        verifyRecheckLabels(startTest());
        verifyRecheckLabels(startExercise());
    }

    void noCompilerOnPathIsToldInTheResultWindowThatEscCloses()
    {
        TestBank bank;
        const int task = bank.nextId();
        bank.addTest(QStringLiteral("4"), 1, {{"title", "求和"}, {"content", "int main(void) { return 0; }"}});
        addSumCases(bank, QStringLiteral("c_test"), task);
        AppFixture app(bank);
        QWidget *w = startTest();
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", empty.path().toLocal8Bit());
        click(w, QStringLiteral("Cmd_pro_check"));
        qputenv("PATH", path);
        QTRY_VERIFY(resultWindow(w));
        QCOMPARE(headline(w), QStringLiteral("没有找到 C 编译器"));
        QVERIFY2(account(w).contains(QStringLiteral("gcc、cc、clang")), qPrintable(account(w)));
        QCOMPARE(resultWindow(w)->windowTitle(), QStringLiteral("检查程序 - pro_1.c"));
        QCOMPARE(VerdictText::headline(*shownTest().TestPaper.pro(1).verdict), QStringLiteral("没有找到 C 编译器"));
        QVERIFY(w->isEnabled());

        // Esc typed to dismiss the result window closes that window alone; one more, in the test
        // window, asks before it ends the test.
        QDialog *result = resultWindow(w);
        QTest::keyClick(result->focusWidget() ? result->focusWidget() : result, Qt::Key_Escape);
        QVERIFY(!resultWindow(w));
        QCOMPARE(Forms<Frm_t_main>::loaded(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(MessageBox::askedCount(), 0);

        MessageBox::setNextAnswer(QMessageBox::No);
        QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否结束本次测试？|Question|Yes+No|default No"));
        QCOMPARE(Forms<Frm_t_main>::loaded(), w);
    }

    void aTabWithoutTasksHasNothingToCheck()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = startExercise();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(w, QStringLiteral("Cmd_err_check"));
        QCOMPARE(lastAsked(), QStringLiteral("检查程序|这一题型没有题目，没有程序可以检查。|Information|Ok"));
        QVERIFY(!resultWindow(w));
    }
};

QTEST_MAIN(TestCheckButton)
#include "tst_check_button.moc"
