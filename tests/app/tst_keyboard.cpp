#include "answer/AnswerWindows.h"
#include "answer/Frm_exer.h"
#include "answer/Frm_t_main.h"
#include "answer/Frm_test.h"
#include "app/Frm_login.h"
#include "controls/TextBox.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "review/Frm_excer_over.h"
#include "review/Frm_t_over.h"
#include "study/Frm_jdsf.h"
#include "study/Frm_study.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QAccessible>
#include <QClipboard>
#include <QListWidget>
#include <QScrollBar>

using namespace AnswerWindows;

namespace {

// A key typed where the window has its focus.
void key(QWidget *window, Qt::Key k, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window, k, modifiers);
}

QList<int> chosenOf(const Paper &paper)
{
    QList<int> chosen;
    for (int n = 1; n <= 10; ++n)
        chosen << paper.ch(n).chosen;
    return chosen;
}

// The named control that has the window's focus: an editable combo box passes its focus to its
// text field.
QString focusName(QWidget *window)
{
    QWidget *focus = window->focusWidget();
    while (focus && focus->objectName().isEmpty())
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

}

// The windows worked from the keyboard alone: each window's own keys along a whole test and a
// whole exercise, the first focus, and what a screen reader is told. How a key reaches its
// button (tabs, disabled buttons, boxes, repeats) is WindowKeys' own test.
class TestKeyboard : public QObject
{
    Q_OBJECT

    // A test set, two chapters with an exercise: what most of the cases here go through.
    TestBank m_bank;

private slots:
    void initTestCase()
    {
        m_bank.addTestChoice(3, "第一题", "B");
        m_bank.addTestChoice(3, "第二题", "D");
        m_bank.addTestChoice(3, "第三题", "C");
        m_bank.addTest("2", 3, {{"title", "填空"}, {"content", "int main(void) { return 0; }"}});
        m_bank.addTest("2", 3, {{"title", "填空二"}});
        m_bank.addChapter("01", "概述");
        m_bank.addChapter("02", "数据类型");
        m_bank.addExerciseChoice("01", "练习一", "A");
        m_bank.addExerciseChoice("01", "练习二", "B");
    }

    // With a false start: Esc on the start screen asks as its close box does, on the set window
    // it leaves at once.
    void aWholeTestByKeys()
    {
        FakeEditor editor;
        AppFixture app(m_bank);
        QWidget *login = Forms<Frm_login>::show();
        MessageBox::setNextAnswer(QMessageBox::No);
        key(login, Qt::Key_Escape);
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否退出【C语言 智桥】系统？|Question|Yes+No"));
        key(login, Qt::Key_3);
        key(Forms<Frm_test>::loaded(), Qt::Key_Escape);
        settle();
        QCOMPARE(MessageBox::askedCount(), 0);
        QVERIFY(!Forms<Frm_test>::loaded());
        QVERIFY(shown(login));
        key(login, Qt::Key_3);
        QWidget *sets = Forms<Frm_test>::loaded();
        QVERIFY(shown(sets));
        for (int i = 0; i < 3; ++i)
            key(sets, Qt::Key_Down);
        key(sets, Qt::Key_Return);
        QWidget *test = Forms<Frm_t_main>::loaded();
        QVERIFY(shown(test));
        key(test, Qt::Key_2);
        key(test, Qt::Key_Right);
        key(test, Qt::Key_D, Qt::ShiftModifier);
        key(test, Qt::Key_PageDown);
        key(test, Qt::Key_C);
        key(test, Qt::Key_Left);
        key(test, Qt::Key_PageUp);
        QCOMPARE(shownTest().TestPaper.ch.current, 1);
        key(test, Qt::Key_Tab, Qt::ControlModifier);
        key(test, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(app.launches.size(), qsizetype(1));
        QCOMPARE(app.launches[0].arguments, QStringList{WorkFolders::join(shownTest().test_path, "blank_1.c")});
        QCOMPARE(chosenOf(shownTest().TestPaper), QList<int>({2, 4, 3, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(redSquares(test), QList<int>({1, 2, 3}));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        key(test, Qt::Key_Escape);
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否结束本次测试？|Question|Yes+No|default No"));
        settle();

        QWidget *review = Forms<Frm_t_over>::loaded();
        QVERIFY(shown(review));
        key(review, Qt::Key_Right);
        QVERIFY(text(review, "Txt_ch_explain").contains(QStringLiteral("你选择的答案为【D】")));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        key(review, Qt::Key_Escape);
        QCOMPARE(lastAsked(), QStringLiteral("信息提示|退出测试系统?|Question|Yes+No"));
        settle();
        QVERIFY(!Forms<Frm_t_over>::loaded());
        QVERIFY(shown(login));
    }

    void aWholeUnitExerciseByKeys()
    {
        AppFixture app(m_bank);
        QWidget *login = Forms<Frm_login>::show();
        key(login, Qt::Key_1);
        QWidget *study = Forms<Frm_study>::loaded();
        QVERIFY(shown(study));
        key(study, Qt::Key_Down);
        key(study, Qt::Key_Down);
        key(study, Qt::Key_Up);
        key(study, Qt::Key_Return);
        QWidget *exercise = Forms<Frm_exer>::loaded();
        QVERIFY(shown(exercise));
        QCOMPARE(shownExercise().chapterId, QStringLiteral("01"));
        key(exercise, Qt::Key_PageDown);
        key(exercise, Qt::Key_B);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        key(exercise, Qt::Key_Escape);
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否结束单元练习？|Question|Yes+No"));
        settle();
        QCOMPARE(chosenOf(shownExercise().ExercisePaper), QList<int>({0, 2, 0, 0, 0, 0, 0, 0, 0, 0}));

        QWidget *review = Forms<Frm_excer_over>::loaded();
        QVERIFY(shown(review));
        key(review, Qt::Key_Escape); // no prompt: back to the study window as it was left
        settle();
        QCOMPARE(MessageBox::askedCount(), 0);
        QVERIFY(shown(study));
        key(study, Qt::Key_Escape);
        settle();
        QVERIFY(shown(login));
    }

    // Every window opens with the focus where a stray key ends nothing, and every named control
    // has a name a screen reader speaks.
    void everyWindowOpensWithAHarmlessFocusAndNamedControls()
    {
        AppFixture app(m_bank);
        const std::pair<QWidget *, QString> windows[] = {
            {Forms<Frm_login>::show(), QStringLiteral("Pic1")},
            {Forms<Frm_test>::show(), QStringLiteral("Com_group")},
            {Forms<Frm_study>::show(), QStringLiteral("List_item")},
            {Forms<Frm_jdsf>::show(), QStringLiteral("List1")},
            {answer(exerciseRun(QStringLiteral("01"))), QStringLiteral("Txt_title")},
            {Forms<Frm_excer_over>::show(exerciseRun(QStringLiteral("01"))), QStringLiteral("Command1")},
            {Forms<Frm_t_over>::show(testRun(3)), QStringLiteral("Cmd_ch_next")},
            {startTest(3), QStringLiteral("Txt_ch_title")}};
        for (const auto &[window, focus] : windows) {
            QCOMPARE(focusName(window), focus);
            for (QWidget *control : window->findChildren<QWidget *>()) {
                const QString name = control->objectName();
                if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || control->window() != window)
                    continue;
                QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                         qPrintable(window->objectName() + u'.' + name));
            }
        }

        // A stray Space or Return picks nothing, and the test goes on.
        QWidget *test = windows[7].first;
        key(test, Qt::Key_Space);
        key(test, Qt::Key_Return);
        QCOMPARE(Forms<Frm_t_main>::loaded(), test);
        QCOMPARE(chosenOf(shownTest().TestPaper), QList<int>(10, 0));
    }

    void theOptionTextsAnswerAClickAndTabPassesThemBy()
    {
        AppFixture app(m_bank);
        QWidget *test = startTest(3);
        click(test, "ch_text(3)");
        QCOMPARE(selectedOption(test, "Op1"), 3);
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 4);
        QStringList visited;
        for (int i = 0; i < 12; ++i) {
            key(test, Qt::Key_Tab);
            visited << test->focusWidget()->objectName();
        }
        QVERIFY(visited.contains(QStringLiteral("Op1(1)")));
        QVERIFY(visited.contains(QStringLiteral("Cmd_next")));
        for (const QString &name : visited)
            QVERIFY2(!name.startsWith(QLatin1String("ch_text")), qPrintable(name));
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 4); // Tab picks nothing
    }

    // The review's boxes are for reading, the paging keys page the tab in front, and Ctrl+C with
    // nothing selected copies what is on show.
    void reviewTextsAreReadOnlyAndPagingKeysPage()
    {
        AppFixture app(m_bank);
        QWidget *test = startTest(3);
        key(test, Qt::Key_2);
        click(test, "cmd_exit");
        settle();
        QWidget *review = Forms<Frm_t_over>::loaded();
        for (TextBox *box : review->findChildren<TextBox *>())
            QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
        key(review, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains(QStringLiteral("第一题")), qPrintable(copied));
        QVERIFY(copied.contains(QStringLiteral("你选择的答案为【B】")));
        key(review, Qt::Key_PageDown);
        QVERIFY(text(review, "Txt_ch_title").startsWith(QStringLiteral("【第2题】：第二题")));
        key(review, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(control<QTabWidget>(review, "SSTab1")->currentIndex(), 1);
        key(review, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("【1】填空")));
        key(review, Qt::Key_Right);
        QVERIFY(text(review, "Txt_blank_title").startsWith(QStringLiteral("【2】填空二")));
    }

    // In the study windows ↑ and ↓ move the list, but scroll the text when it has the focus.
    void theArrowsScrollAFocusedStudyText()
    {
        TestBank bank;
        QString longText;
        for (int i = 1; i <= 200; ++i)
            longText += QStringLiteral("第%1行\n").arg(i);
        bank.addAlgorithm("01", "冒泡排序", longText);
        bank.addAlgorithm("02", "选择排序", longText);
        AppFixture app(bank);
        QWidget *algorithms = Forms<Frm_jdsf>::show();
        auto *list = control<QListWidget>(algorithms, "List1");
        auto *text = control<RichTextBox>(algorithms, "Rtxt_content");
        key(algorithms, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 0);
        QTRY_VERIFY(!text->isReading());
        text->setFocus();
        key(algorithms, Qt::Key_Down);
        key(algorithms, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(text->verticalScrollBar()->value() > 0);
        list->setFocus();
        key(algorithms, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
