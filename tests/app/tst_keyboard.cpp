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
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>

using namespace AnswerWindows;

namespace {

// A key typed where the window has its focus.
void key(QWidget *window, Qt::Key k, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window, k, modifiers);
}

const QString kEndExercise = QStringLiteral("提示信息|是否结束单元练习？|Question|Yes+No");
const QString kEndReview = QStringLiteral("信息提示|退出测试系统?|Question|Yes+No");
// No is the default: a stray Esc must not end the test.
const QString kEndTest = QStringLiteral("提示信息|是否结束本次测试？|Question|Yes+No|default No");

void addTestSet(TestBank &bank)
{
    bank.addTestChoice(3, "第一题", "B");
    bank.addTestChoice(3, "第二题", "D");
    bank.addTestChoice(3, "第三题", "C");
    bank.addTest("2", 3, {{"title", "填空"}, {"content", "int main(void) { return 0; }"}});
}

void addChapterWithExercise(TestBank &bank)
{
    bank.addChapter("01", "概述");
    bank.addChapter("02", "数据类型");
    bank.addExerciseChoice("01", "练习一", "A");
    bank.addExerciseChoice("01", "练习二", "B");
}

// What a finished test leaves: the choices kept, the squares' colours, and every line the
// review shows for the ten choice questions.
struct Outcome
{
    QList<int> chosen;
    QList<int> redSquares;
    QStringList reviewLines;
    bool operator==(const Outcome &) const = default;
};

QList<int> chosenOf(const Paper &paper)
{
    QList<int> chosen;
    for (int n = 1; n <= 10; ++n)
        chosen << paper.ch(n).chosen;
    return chosen;
}

}

// The windows worked from the keyboard alone: whole tests and exercises, the keys at their
// bounds, Esc on every window, the first focus, and what a screen reader is told.
class TestKeyboard : public QObject
{
    Q_OBJECT

    // The review's ten choice questions, paged with the given step.
    static QStringList reviewLines(QWidget *review, const std::function<void()> &page)
    {
        QStringList lines;
        for (int n = 1; n <= 10; ++n) {
            lines << text(review, "Txt_ch_title") + text(review, "Txt_ch_explain");
            page();
        }
        return lines;
    }

    static Outcome testByMouse()
    {
        QWidget *login = Forms<Frm_login>::show();
        QTest::mouseClick(control<QLabel>(login, "Pic3"), Qt::LeftButton);
        QWidget *sets = Forms<Frm_test>::loaded();
        auto *combo = control<QComboBox>(sets, "Com_group");
        combo->setCurrentIndex(2);
        emit combo->activated(2);
        click(sets, "Cmd_start");
        QWidget *test = Forms<Frm_t_main>::loaded();
        click(test, "Op1(1)");
        click(test, "Cmd_next");
        click(test, "Op1(3)");
        click(test, "Cmd_next");
        click(test, "ch_text(2)"); // the option's text answers as its button does
        click(test, "Cmd_next");
        Outcome outcome{chosenOf(shownTest().TestPaper), redSquares(test), {}};
        click(test, "cmd_exit");
        settle();
        QWidget *review = Forms<Frm_t_over>::loaded();
        outcome.reviewLines = reviewLines(review, [review] { click(review, "Cmd_ch_next"); });
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(review, "Command2");
        settle();
        return outcome;
    }

    static void testByKeys(const AppFixture &app, Outcome &outcome)
    {
        QWidget *login = Forms<Frm_login>::show();
        key(login, Qt::Key_Right);
        key(login, Qt::Key_Right);
        QCOMPARE(login->focusWidget()->objectName(), QStringLiteral("Pic3"));
        key(login, Qt::Key_Return);
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
        key(test, Qt::Key_Right); // at the last question: nothing
        QCOMPARE(text(test, "Txt_ch_title"), QStringLiteral("【第3题】： 第三题"));
        key(test, Qt::Key_Tab, Qt::ControlModifier);
        key(test, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(app.launches.size(), qsizetype(1));
        QCOMPARE(app.launches[0].arguments, QStringList{WorkFolders::join(shownTest().test_path, "blank_1.c")});
        key(test, Qt::Key_1); // no choice question on show: no option picked
        key(test, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        outcome = {chosenOf(shownTest().TestPaper), redSquares(test), {}};
        MessageBox::setNextAnswer(QMessageBox::Yes);
        key(test, Qt::Key_Escape);
        QCOMPARE(lastAsked(), kEndTest);
        settle();
        QWidget *review = Forms<Frm_t_over>::loaded();
        QVERIFY(shown(review));
        outcome.reviewLines = reviewLines(review, [review] { key(review, Qt::Key_Right); });
        MessageBox::setNextAnswer(QMessageBox::No);
        key(review, Qt::Key_Escape);
        QCOMPARE(lastAsked(), kEndReview);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        key(review, Qt::Key_Escape);
        QCOMPARE(lastAsked(), kEndReview);
        settle();
    }

    // A test set, two chapters with an exercise, an algorithm: what most of the cases here go through.
    TestBank m_bank;

private slots:
    void initTestCase()
    {
        addTestSet(m_bank);
        addChapterWithExercise(m_bank);
        m_bank.addAlgorithm("01", "冒泡排序");
    }

    void aWholeTestByKeysEndsAsOneByMouse()
    {
        Outcome byMouse, byKeys;
        {
            AppFixture app(m_bank);
            byMouse = testByMouse();
        }
        {
            FakeEditor editor;
            AppFixture app(m_bank);
            testByKeys(app, byKeys);
            if (QTest::currentTestFailed())
                return;
            QVERIFY(shown(Forms<Frm_login>::loaded()));
            QVERIFY(!Forms<Frm_t_over>::loaded());
        }
        QCOMPARE(byMouse.chosen, QList<int>({2, 4, 3, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(byKeys.chosen, byMouse.chosen);
        QCOMPARE(byKeys.redSquares, QList<int>({1, 2, 3}));
        QCOMPARE(byKeys.redSquares, byMouse.redSquares);
        QCOMPARE(byKeys.reviewLines, byMouse.reviewLines);
        QVERIFY(byKeys.reviewLines[1].contains(QStringLiteral("你选择的答案为【D】")));
    }

    void aWholeUnitExerciseByKeys()
    {
        AppFixture app(m_bank);
        QWidget *login = Forms<Frm_login>::show();
        key(login, Qt::Key_1);
        QWidget *study = Forms<Frm_study>::loaded();
        QVERIFY(shown(study));
        key(study, Qt::Key_Return); // no chapter chosen: the exercise button is off
        QVERIFY(!Forms<Frm_exer>::loaded());
        key(study, Qt::Key_Down);
        key(study, Qt::Key_Down);
        key(study, Qt::Key_Up);
        key(study, Qt::Key_Return);
        QWidget *exercise = Forms<Frm_exer>::loaded();
        QCOMPARE(shownExercise().chapterId, QStringLiteral("01"));
        QCOMPARE(shownExercise().chapterTitle, QStringLiteral("概述"));
        QVERIFY(shown(exercise));
        QVERIFY(!study->isVisible());

        key(exercise, Qt::Key_A);
        key(exercise, Qt::Key_PageDown);
        key(exercise, Qt::Key_4);
        key(exercise, Qt::Key_2);
        key(exercise, Qt::Key_PageUp);
        QCOMPARE(selectedOption(exercise, "Option1"), 0);
        MessageBox::setNextAnswer(QMessageBox::No);
        key(exercise, Qt::Key_Escape);
        QCOMPARE(lastAsked(), kEndExercise);
        QVERIFY(shown(exercise));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        key(exercise, Qt::Key_Escape);
        QCOMPARE(lastAsked(), kEndExercise);
        settle();
        QCOMPARE(shownExercise().ExercisePaper.ch(1).chosen, 1);
        QCOMPARE(shownExercise().ExercisePaper.ch(2).chosen, 2);

        QWidget *review = Forms<Frm_excer_over>::loaded();
        QVERIFY(shown(review));
        key(review, Qt::Key_Right);
        QVERIFY(text(review, "rtxt_explain").contains(QStringLiteral("你选择的答案为【B】")));
        key(review, Qt::Key_Escape); // no prompt: back to the study window as it was left
        settle();
        QCOMPARE(MessageBox::askedCount(), 0);
        QVERIFY(!Forms<Frm_excer_over>::loaded());
        QVERIFY(shown(study));
        QCOMPARE(listOf(study)->currentRow(), 0);
        key(study, Qt::Key_Escape);
        settle();
        QVERIFY(shown(login));
    }

    void pagingKeysAtABoundDoNothing()
    {
        AppFixture app(m_bank);
        QWidget *test = startTest(3);
        key(test, Qt::Key_Left);
        key(test, Qt::Key_PageUp);
        QCOMPARE(shownTest().TestPaper.ch.current, 1);
        QCOMPARE(text(test, "Txt_ch_title"), QStringLiteral("【第1题】: 第一题"));
        QVERIFY(!enabled(test, "Cmd_pre"));
        QCOMPARE(selectedOption(test, "Op1"), -1); // ← never reached the option button
        key(test, Qt::Key_Right);
        key(test, Qt::Key_Right);
        key(test, Qt::Key_Right);
        QCOMPARE(shownTest().TestPaper.ch.current, 3);
        QCOMPARE(framedSquares(test), QList<int>{3});
        QVERIFY(!enabled(test, "Cmd_next"));
        QCOMPARE(redSquares(test), QList<int>{});
    }

    void aDigitTypedIntoTheSetFieldStaysText()
    {
        AppFixture app(m_bank);
        QWidget *sets = Forms<Frm_test>::show();
        auto *combo = control<QComboBox>(sets, "Com_group");
        QTest::keyClick(combo, Qt::Key_1);
        QTest::keyClick(combo->lineEdit(), Qt::Key_2);
        QCOMPARE(combo->currentText(), QStringLiteral("12"));
        QVERIFY(shown(sets));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(combo, Qt::Key_Return); // as "开始" does: no such set
        QCOMPARE(lastAsked(), QStringLiteral("信息提示|请选择一组练习题!|Critical|Ok"));
        QVERIFY(!Forms<Frm_t_main>::loaded());
        QTest::keyClick(combo, Qt::Key_Escape);
        settle();
        QCOMPARE(MessageBox::askedCount(), 0);
        QVERIFY(!Forms<Frm_test>::loaded());
        QVERIFY(shown(Forms<Frm_login>::loaded()));
    }

    void escAsksAsTheEndButtonsDo()
    {
        AppFixture app(m_bank);
        QWidget *login = Forms<Frm_login>::show();
        MessageBox::setNextAnswer(QMessageBox::No);
        key(login, Qt::Key_Escape);
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否退出【C语言 智桥】系统？|Question|Yes+No"));
        QVERIFY(shown(login));
        QCOMPARE(app.programEnds, 0);

        key(login, Qt::Key_2);
        QWidget *algorithms = Forms<Frm_jdsf>::loaded();
        QVERIFY(shown(algorithms));
        key(algorithms, Qt::Key_Down);
        QCOMPARE(control<QListWidget>(algorithms, "List1")->currentRow(), 0);
        key(algorithms, Qt::Key_Escape);
        settle();
        QVERIFY(!Forms<Frm_jdsf>::loaded());
        QVERIFY(shown(login));

        // In a test Esc asks first; "退出" itself ends at once.
        QWidget *test = startTest(3);
        key(test, Qt::Key_2);
        MessageBox::setNextAnswer(QMessageBox::No);
        key(test, Qt::Key_Escape);
        QCOMPARE(lastAsked(), kEndTest);
        QVERIFY(shown(test));
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 2);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        key(test, Qt::Key_Escape);
        QCOMPARE(lastAsked(), kEndTest);
        settle();
        QVERIFY(!Forms<Frm_t_main>::loaded());
        QVERIFY(shown(Forms<Frm_t_over>::loaded()));
        unloadAllForms();
        login = Forms<Frm_login>::show();

        MessageBox::setNextAnswer(QMessageBox::Yes);
        key(login, Qt::Key_Escape);
        QCOMPARE(app.programEnds, 1);
    }

    void everyWindowOpensWithAFocusThatEndsNothing()
    {
        AppFixture app(m_bank);
        const auto focusName = [](QWidget *w) {
            QWidget *focus = w->focusWidget();
            // An editable combo box passes its focus to its text field.
            while (focus && focus->objectName().isEmpty())
                focus = focus->parentWidget();
            return focus ? focus->objectName() : QString();
        };
        QCOMPARE(focusName(Forms<Frm_login>::show()), QStringLiteral("Pic1"));
        QCOMPARE(focusName(Forms<Frm_test>::show()), QStringLiteral("Com_group"));
        QCOMPARE(focusName(Forms<Frm_study>::show()), QStringLiteral("List_item"));
        QCOMPARE(focusName(Forms<Frm_jdsf>::show()), QStringLiteral("List1"));
        QWidget *exercise = answer(exerciseRun(QStringLiteral("01")));
        QCOMPARE(focusName(exercise), QStringLiteral("Txt_title"));
        QCOMPARE(focusName(Forms<Frm_excer_over>::show(exerciseRun(QStringLiteral("01")))), QStringLiteral("Command1"));
        QCOMPARE(focusName(Forms<Frm_t_over>::show(testRun(3))), QStringLiteral("Cmd_ch_next"));
        QWidget *test = startTest(3);
        QCOMPARE(focusName(test), QStringLiteral("Txt_ch_title"));

        // A stray Space or Return picks nothing, and the test goes on.
        for (QWidget *w : {test, exercise}) {
            key(w, Qt::Key_Space);
            key(w, Qt::Key_Return);
        }
        QCOMPARE(Forms<Frm_t_main>::loaded(), test);
        QCOMPARE(chosenOf(shownTest().TestPaper), QList<int>(10, 0));
        QCOMPARE(chosenOf(shownExercise().ExercisePaper), QList<int>(10, 0));
        QCOMPARE(redSquares(test), QList<int>{});
        // Return on an option button does not pick it either; Space, the button's own key, does.
        control<QWidget>(test, "Op1(1)")->setFocus();
        key(test, Qt::Key_Return);
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 0);
        key(test, Qt::Key_Space);
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 2);
        control<QWidget>(test, "cmd_exit")->setFocus();
        key(test, Qt::Key_Return); // Return on a focused button presses it
        settle();
        QVERIFY(!Forms<Frm_t_main>::loaded());
    }

    void theOptionTextsAnswerAClickAndTabPassesThemBy()
    {
        AppFixture app(m_bank);
        QWidget *test = startTest(3);
        click(test, "ch_text(3)");
        QCOMPARE(selectedOption(test, "Op1"), 3);
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 4);
        QCOMPARE(redSquares(test), QList<int>{1});
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

    // The second Return of a quick double press in the set window reaches that window after it
    // has made way for the test: it must neither start the test again nor pick an answer there.
    void returnReturnFromTheSetWindowRecordsNothing()
    {
        AppFixture app(m_bank);
        QWidget *sets = Forms<Frm_test>::show();
        auto *combo = control<QComboBox>(sets, "Com_group");
        combo->setCurrentIndex(2);
        emit combo->activated(2);
        QWidget *focus = sets->focusWidget();
        for (int i = 0; i < 2; ++i) {
            QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
            QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
        }
        QCoreApplication::processEvents();
        QWidget *test = Forms<Frm_t_main>::loaded();
        QVERIFY(shown(test));
        QVERIFY(!sets->isVisible());
        QVERIFY(QFileInfo::exists(WorkFolders::join(shownTest().test_path, "blank_1.c"))); // not cleaned away by a second start
        key(test, Qt::Key_Return); // the second Return, had it come after the test opened
        QCOMPARE(chosenOf(shownTest().TestPaper), QList<int>(10, 0));
        QCOMPARE(MessageBox::askedCount(), 0);
    }

    // Return held down on the start screen: its repeats reach the set window that opened, where
    // Return would start a test on the set chosen before.
    void aKeyHeldAsAWindowOpensDoesNothingThere()
    {
        AppFixture app(m_bank);
        QWidget *sets = Forms<Frm_test>::show();
        control<QComboBox>(sets, "Com_group")->setCurrentIndex(2);
        sets->hide(); // as after a test: loaded with its choice
        QWidget *login = Forms<Frm_login>::show();
        key(login, Qt::Key_Right);
        key(login, Qt::Key_Right);
        QTest::keyPress(login->focusWidget(), Qt::Key_Return);
        QVERIFY(shown(sets));
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(sets->focusWidget(), &repeat);
        QVERIFY(!Forms<Frm_t_main>::loaded());
        QVERIFY(shown(sets));
        // A Return pressed afresh there starts the test.
        key(sets, Qt::Key_Return);
        QVERIFY(shown(Forms<Frm_t_main>::loaded()));
    }

    // The review's boxes are for reading: typing changes nothing, the paging keys page wherever
    // the focus is, and Ctrl+C copies what is selected, or else what is on show.
    void reviewTextsAreReadOnlyAndPagingKeysPage()
    {
        TestBank bank;
        addTestSet(bank);
        bank.addTest("2", 3, {{"title", "填空二"}});
        AppFixture app(bank);
        QWidget *test = startTest(3);
        key(test, Qt::Key_2);
        click(test, "cmd_exit");
        settle();
        QWidget *review = Forms<Frm_t_over>::loaded();
        key(review, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains(QStringLiteral("第一题")), qPrintable(copied));
        QVERIFY(copied.contains(QStringLiteral("你选择的答案为【B】")));
        auto *title = control<TextBox>(review, "Txt_ch_title");
        title->setFocus();
        QTest::keyClicks(title, "xyz");
        QVERIFY(!title->toPlainText().contains(QStringLiteral("xyz")));
        key(review, Qt::Key_PageDown);
        QVERIFY(text(review, "Txt_ch_title").startsWith(QStringLiteral("【第2题】：第二题")));
        key(review, Qt::Key_Tab, Qt::ControlModifier); // the focus goes on to the blank tab
        QVERIFY(control<QTabWidget>(review, "SSTab1")->currentIndex() == 1);
        key(review, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("【1】填空")));
        key(review, Qt::Key_Right);
        QVERIFY(text(review, "Txt_blank_title").startsWith(QStringLiteral("【2】填空二")));
        for (TextBox *box : review->findChildren<TextBox *>())
            QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));

        auto *blankTitle = control<TextBox>(review, "Txt_blank_title");
        QTextCursor cursor = blankTitle->textCursor();
        cursor.setPosition(3);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        blankTitle->setTextCursor(cursor);
        blankTitle->setFocus();
        key(review, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("填空二"));
    }

    // In the study windows ↑ and ↓ move the list, but scroll the text when it has the focus.
    void theArrowsScrollAFocusedStudyText()
    {
        TestBank bank;
        QString longText;
        for (int i = 1; i <= 200; ++i)
            longText += QStringLiteral("第%1行\n").arg(i);
        bank.addChapter("01", "概述", longText);
        bank.addChapter("02", "数据类型", longText);
        bank.addAlgorithm("01", "冒泡排序", longText);
        bank.addAlgorithm("02", "选择排序", longText);
        AppFixture app(bank);
        for (QWidget *w : {static_cast<QWidget *>(Forms<Frm_study>::show()), static_cast<QWidget *>(Forms<Frm_jdsf>::show())}) {
            auto *list = w->findChild<QListWidget *>();
            auto *text = w->findChild<RichTextBox *>(QStringLiteral("Rtxt_content"));
            key(w, Qt::Key_Down);
            QCOMPARE(list->currentRow(), 0);
            QTRY_VERIFY(!text->isReading());
            text->setFocus();
            key(w, Qt::Key_Down);
            key(w, Qt::Key_Down);
            QCOMPARE(list->currentRow(), 0);
            QVERIFY(text->verticalScrollBar()->value() > 0);
            key(w, Qt::Key_PageDown);
            QCOMPARE(list->currentRow(), 0);
            list->setFocus();
            key(w, Qt::Key_Down);
            QCOMPARE(list->currentRow(), 1);
        }
    }

    void everyControlHasAnAccessibleName()
    {
        AppFixture app(m_bank);
        const QList<QWidget *> windows = {Forms<Frm_login>::show(),
                                          Forms<Frm_test>::show(),
                                          Forms<Frm_study>::show(),
                                          Forms<Frm_jdsf>::show(),
                                          answer(exerciseRun(QStringLiteral("01"))),
                                          Forms<Frm_excer_over>::show(exerciseRun(QStringLiteral("01"))),
                                          Forms<Frm_t_over>::show(testRun(3)),
                                          startTest(3)};
        for (QWidget *window : windows)
            for (QWidget *control : window->findChildren<QWidget *>()) {
                const QString name = control->objectName();
                if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || control->window() != window)
                    continue;
                QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                         qPrintable(window->objectName() + u'.' + name));
            }
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QWidget>(windows[7], "Txt_ch_title"))->text(QAccessible::Name),
                 QStringLiteral("题目"));
        const std::tuple<int, const char *, const char *, QString> named[] = {
            {0, "Pic3", "accessibleName", "综合练习"}, {1, "Com_group", "accessibleName", "选择题组"},
            {7, "Op1(2)", "accessibleName", "选项C"}, {7, "Cmd_next", "toolTip", "快捷键：→ / PageDown"},
            {7, "Cmd_blank_vc", "toolTip", "快捷键：Ctrl+E"}, {7, "cmd_exit", "toolTip", "快捷键：Esc"},
            {0, "Pic4", "toolTip", "快捷键：4"}};
        for (const auto &[window, name, property, expected] : named)
            QCOMPARE(control<QWidget>(windows[window], name)->property(property).toString(), expected);
    }

private:
    static QListWidget *listOf(QWidget *study) { return control<QListWidget>(study, "List_item"); }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
