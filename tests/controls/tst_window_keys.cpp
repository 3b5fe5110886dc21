#include "controls/Controls.h"
#include "controls/WindowKeys.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

// A window with what the program's windows hold: a tab control with a button on each of two
// pages, option buttons, an editable one-line box, a multi-line box, a read-only box.
struct Sample
{
    QWidget window;
    QTabWidget *tabs = new QTabWidget(&window);
    QPushButton *first = named(new QPushButton(QStringLiteral("下一题"), new QWidget), "first");
    QPushButton *second = named(new QPushButton(QStringLiteral("下一题"), new QWidget), "second");
    QPushButton *exit = named(new QPushButton(QStringLiteral("退出"), &window), "exit");
    QRadioButton *optionA = named(new QRadioButton(&window), "A");
    QRadioButton *optionB = named(new QRadioButton(&window), "B");
    QLineEdit *line = new QLineEdit(&window);
    QComboBox *combo = new QComboBox(&window);
    QPlainTextEdit *lines = new QPlainTextEdit(&window);
    QPlainTextEdit *reading = new QPlainTextEdit(&window);
    WindowKeys *keys = new WindowKeys(&window);
    QStringList pressed;

    // Named, and noted in `pressed` when clicked.
    template <class Button>
    Button *named(Button *b, const char *name)
    {
        b->setObjectName(QLatin1String(name));
        QObject::connect(b, &QAbstractButton::clicked, &window, [this, b] { pressed << b->objectName(); });
        return b;
    }

    Sample()
    {
        tabs->addTab(first->parentWidget(), QStringLiteral("选择题"));
        tabs->addTab(second->parentWidget(), QStringLiteral("填空题"));
        combo->setEditable(true);
        reading->setReadOnly(true);
        keys->press({QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_PageDown)}, {first, second});
        keys->press(WindowKeys::option(0), {optionA});
        keys->press(WindowKeys::option(1), {optionB});
        keys->press({QKeyCombination(Qt::Key_Escape)}, {exit});
        keys->switchTabs(tabs);
        window.show();
    }
};

class TestWindowKeys : public QObject
{
    Q_OBJECT

private slots:
    void aKeyPressesTheButtonOnTheTabInFront()
    {
        Sample s;
        QTest::keyClick(s.reading, Qt::Key_Right);
        QTest::keyClick(s.exit, Qt::Key_PageDown);
        QCOMPARE(s.pressed, QStringList({"first", "first"}));
        s.tabs->setCurrentIndex(1);
        QTest::keyClick(s.reading, Qt::Key_Right);
        QCOMPARE(s.pressed.last(), QStringLiteral("second"));
    }

    void aKeyForADisabledButtonDoesNothingAtAll()
    {
        Sample s;
        s.first->setEnabled(false);
        s.optionA->setFocus();
        s.optionA->setChecked(true);
        // Without the window's key, → on an option button would move to the next and pick it.
        QTest::keyClick(s.optionA, Qt::Key_Right);
        QVERIFY(s.pressed.isEmpty());
        QVERIFY(s.optionA->isChecked());
        QVERIFY(!s.optionB->isChecked());
    }

    void digitsAndLettersOfEitherCasePickOptions()
    {
        Sample s;
        QTest::keyClick(s.reading, Qt::Key_2);
        QVERIFY(s.optionB->isChecked());
        QTest::keyClick(s.reading, Qt::Key_A, Qt::ShiftModifier);
        QVERIFY(s.optionA->isChecked());
        QTest::keyClick(s.reading, Qt::Key_B);
        QTest::keyClick(s.reading, Qt::Key_1, Qt::KeypadModifier);
        QCOMPARE(s.pressed, QStringList({"B", "A", "B", "A"}));
    }

    void whatIsTypedIntoAnEditableBoxStaysThere()
    {
        Sample s;
        QTest::keyClicks(s.line, QStringLiteral("1a"));
        QTest::keyClick(s.line, Qt::Key_Right);
        QTest::keyClicks(s.combo, QStringLiteral("2b"));
        QTest::keyClick(s.lines, Qt::Key_1);
        QTest::keyClick(s.lines, Qt::Key_Return);
        QCOMPARE(s.line->text(), QStringLiteral("1a"));
        QCOMPARE(s.combo->currentText(), QStringLiteral("2b"));
        QCOMPARE(s.lines->toPlainText(), QStringLiteral("1\n"));
        QVERIFY(s.pressed.isEmpty());
        // Esc and Ctrl+Tab leave the box for the window.
        QTest::keyClick(s.line, Qt::Key_Escape);
        QTest::keyClick(s.lines, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(s.pressed, QStringList({"exit"}));
        QCOMPARE(s.tabs->currentIndex(), 1);
    }

    // Enter presses a focused push button; on an option button it picks nothing (Space does).
    void enterPressesTheFocusedButton()
    {
        Sample s;
        QTest::keyClick(s.exit, Qt::Key_Return);
        QTest::keyClick(s.optionB, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(s.optionB, Qt::Key_Return);
        QCOMPARE(s.pressed, QStringList({"exit"}));
        s.exit->setEnabled(false);
        QTest::keyClick(s.exit, Qt::Key_Return);
        QCOMPARE(s.pressed.size(), 1);
    }

    // Keys go down in one window and come up in the next: a hidden window acts on none, and a
    // shown one not on the repeats of a key it never saw pressed.
    void aKeyPressedBeforeTheWindowShowedDoesNothing()
    {
        Sample s;
        s.window.hide();
        QTest::keyClick(s.reading, Qt::Key_Escape);
        QTest::keyClick(s.exit, Qt::Key_Return);
        QCOMPARE(s.pressed, QStringList());
        s.window.show();
        const auto repeated = [](QWidget *w, Qt::Key key) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(w, &press);
        };
        repeated(s.reading, Qt::Key_Escape);
        QCOMPARE(s.pressed, QStringList());
        QTest::keyPress(s.reading, Qt::Key_Escape);
        repeated(s.reading, Qt::Key_Escape);
        QCOMPARE(s.pressed, QStringList({"exit", "exit"}));
        s.window.hide();
        s.window.show();
        repeated(s.reading, Qt::Key_Escape); // shown again: a key held since does nothing
        QCOMPARE(s.pressed.size(), 2);
    }

    void keysLeftToABoxGoToItWhenItHasTheFocus()
    {
        Sample s;
        s.keys->leaveTo(s.reading, {QKeyCombination(Qt::Key_Right)});
        QTest::keyClick(s.reading, Qt::Key_Right);
        QCOMPARE(s.pressed, QStringList());
        QTest::keyClick(s.exit, Qt::Key_Right);
        QCOMPARE(s.pressed, QStringList({"first"}));
    }

    // Ctrl+C with a selection copies it, from a read-only box too; without, it is the window's.
    void ctrlCCopiesTheSelection()
    {
        Sample s;
        bool copiedOnShow = false;
        s.keys->run({QKeyCombination(Qt::ControlModifier, Qt::Key_C)}, [&] { copiedOnShow = true; });
        s.reading->setPlainText(QStringLiteral("只读的文字"));
        QTest::keyClick(s.reading, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(copiedOnShow);
        copiedOnShow = false;
        QTextCursor cursor = s.reading->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        s.reading->setTextCursor(cursor);
        QTest::keyClick(s.reading, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!copiedOnShow);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("只读"));
    }

    void ctrlTabSwitchesTabsBothWays()
    {
        Sample s;
        QTest::keyClick(s.first, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(s.tabs->currentIndex(), 1);
        QTest::keyClick(s.second, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(s.tabs->currentIndex(), 0);
        QTest::keyClick(s.first, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.tabs->currentIndex(), 1);
    }

    void aKeyReachesOnlyItsOwnWindow()
    {
        Sample s;
        QWidget other;
        auto *button = new QPushButton(&other);
        other.show();
        QTest::keyClick(button, Qt::Key_Escape);
        QVERIFY(s.pressed.isEmpty());
    }

    void tooltipsNameTheKeys()
    {
        Sample s;
        QCOMPARE(s.first->toolTip(), QStringLiteral("快捷键：→ / PageDown"));
        QCOMPARE(s.optionA->toolTip(), QStringLiteral("快捷键：1 / A"));
        QCOMPARE(s.exit->toolTip(), QStringLiteral("快捷键：Esc"));
        QCOMPARE(s.tabs->tabBar()->tabToolTip(1), QStringLiteral("快捷键：Ctrl+Tab / Ctrl+Shift+Tab"));
        QCOMPARE(WindowKeys::tip({QKeyCombination(Qt::ControlModifier, Qt::Key_E)}), QStringLiteral("快捷键：Ctrl+E"));
    }

    void namelessControlsAreNamedByTheirFrameOrTab()
    {
        QWidget window;
        window.setWindowTitle(QStringLiteral("窗口"));
        new WindowKeys(&window);
        QGroupBox *frame = Controls::frame(&window, QStringLiteral("Frame1"), QStringLiteral("题目"), {0, 0, 3000, 3000});
        auto *inFrame = new QPlainTextEdit(frame);
        inFrame->setObjectName(QStringLiteral("Txt_title"));
        QTabWidget *tabs = Controls::tabs(&window, QStringLiteral("SSTab1"), {0, 3000, 3000, 3000}, {"选择题", "编程题"});
        auto *onTab = new QPlainTextEdit(tabs->widget(1));
        onTab->setObjectName(QStringLiteral("Txt_pro"));
        auto *named = new QLineEdit(&window);
        named->setObjectName(QStringLiteral("Com"));
        named->setAccessibleName(QStringLiteral("选择题组"));
        QPushButton *button = Controls::button(&window, QStringLiteral("Cmd"), QStringLiteral("开始"), {0, 0, 900, 300});
        window.show();
        const auto spoken = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
        QCOMPARE(spoken(inFrame), QStringLiteral("题目"));
        QCOMPARE(spoken(onTab), QStringLiteral("编程题"));
        QCOMPARE(spoken(tabs->widget(0)), QStringLiteral("选择题"));
        QCOMPARE(spoken(tabs), QStringLiteral("窗口"));
        QCOMPARE(spoken(named), QStringLiteral("选择题组"));
        QCOMPARE(spoken(button), QStringLiteral("开始"));
        QCOMPARE(button->accessibleName(), QString()); // read by its caption, which may change
    }
};

QTEST_MAIN(TestWindowKeys)
#include "tst_window_keys.moc"
