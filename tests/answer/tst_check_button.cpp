// "检查程序" in both answering windows without a compiler: where the buttons sit, their key, and
// what a student is told when nothing can be compiled or the tab has no task.

#include "answer/CheckWindows.h"
#include "answer/Frm_exer.h"
#include "platform/MessageBox.h"
#include "support/AppFixture.h"

#include <QLabel>
#include <QPushButton>

using namespace AnswerWindows;
using namespace CheckWindows;

class TestCheckButton : public QObject
{
    Q_OBJECT

    // Each check button shares its frame with "启动VC", as wide, and the label of the check on
    // saving lies below the file's name, holding a pass on one line and a longer headline on two;
    // neither overlaps a button. (That each lies inside its frame, its text whole, the layout test
    // of every window holds.)
    static void verifyPlaced(QWidget *w, const QStringList &editors)
    {
        const QStringList kinds{"blank", "err", "pro"};
        for (qsizetype k = 0; k < kinds.size(); ++k) {
            auto *check = control<QPushButton>(w, QStringLiteral("Cmd_%1_check").arg(kinds[k]));
            auto *editor = control<QPushButton>(w, editors[k]);
            auto *label = control<QLabel>(w, QStringLiteral("Lab_%1_recheck").arg(kinds[k]));
            auto *file = control<QLabel>(w, QStringLiteral("Lab_%1_file").arg(kinds[k]));
            QCOMPARE(check->text(), QStringLiteral("检查程序"));
            QVERIFY(check->toolTip().contains(QStringLiteral("F5")));
            QCOMPARE(check->parentWidget(), editor->parentWidget());
            QCOMPARE(check->width(), editor->width());
            QCOMPARE(label->parentWidget(), file->parentWidget());
            QVERIFY(label->geometry().top() >= file->geometry().bottom());
            for (QPushButton *other : check->parentWidget()->findChildren<QPushButton *>())
                QVERIFY2(other == check || !other->geometry().intersects(check->geometry()), qPrintable(other->objectName()));
            for (QPushButton *button : label->parentWidget()->findChildren<QPushButton *>())
                QVERIFY2(!button->geometry().intersects(label->geometry()), qPrintable(button->objectName()));
            QVERIFY(label->fontMetrics().horizontalAdvance(QStringLiteral("pro_1.c：全部通过 (4/4)")) < label->width());
            QVERIFY(label->height() >= 2 * label->fontMetrics().lineSpacing());
        }
    }

private slots:
    void buttonsAndLabelsSitBesideTheEditorButton()
    {
        TestBank bank;
        AppFixture app(bank);
        verifyPlaced(startTest(), {"Cmd_blank_vc", "Cmd_err_vc", "Cmd_pro_vc"});
        verifyPlaced(startExercise(), {"Command2", "Command3", "Command4"});
    }

    // A tab without tasks has nothing to check; a task with no compiler on PATH is told so in the
    // result window, which Esc closes.
    void noTaskOrNoCompilerIsTold()
    {
        TestBank bank;
        addSumTest(bank);
        AppFixture app(bank);
        QWidget *w = startTest();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(w, QStringLiteral("Cmd_err_check"));
        QCOMPARE(lastAsked(), QStringLiteral("检查程序|这一题型没有题目，没有程序可以检查。|Information|Ok"));
        QVERIFY(!resultWindow(w));

        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", empty.path().toLocal8Bit());
        click(w, QStringLiteral("Cmd_pro_check"));
        qputenv("PATH", path);
        QTRY_VERIFY(resultWindow(w));
        QCOMPARE(headline(w), QStringLiteral("没有找到 C 编译器"));
        QCOMPARE(resultWindow(w)->windowTitle(), QStringLiteral("检查程序 - pro_1.c"));
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
};

QTEST_MAIN(TestCheckButton)
#include "tst_check_button.moc"
