#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <functional>

class QAbstractButton;
class QKeyEvent;
class QTabWidget;
class QWidget;

// The keys of one window. A bound key works wherever the focus is in the window, with these
// exceptions: what is typed into an editable text box goes to the box (Esc, Ctrl+Tab and, in a
// one-line box, Enter still reach the window), Ctrl+C copies a box's selection, keys left to a
// box (leaveTo) go to it, and Enter on a focused push button presses that button. A key the
// window did not see go down since it was shown does nothing in it: one typed while it was hidden,
// or the repeat of one held down as it opened. The window's controls get their accessible names
// when it is first shown (AccessibleNames).
class WindowKeys : public QObject
{
public:
    using Keys = QList<QKeyCombination>;

    explicit WindowKeys(QWidget *window);

    // The keys press the first of the buttons that is on show (on the tab in front) and enabled,
    // exactly as a click does; with none such they do nothing. Each button's tooltip names them.
    void press(const Keys &keys, const QList<QAbstractButton *> &buttons);
    // The keys run the action; the tooltip of `tipped`, if given, names them.
    void run(const Keys &keys, const std::function<void()> &action, QWidget *tipped = nullptr);
    // Ctrl+Tab and Ctrl+Shift+Tab bring the next and the previous tab to the front.
    void switchTabs(QTabWidget *tabs);
    // The keys, typed where box or a control inside it has the focus, go to the box.
    void leaveTo(QWidget *box, const Keys &keys);

    // The keys 1..4 and A..D (either case) for option i (0..3).
    static Keys option(int i);
    // "快捷键：→ / PageDown"
    static QString tip(const Keys &keys);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handle(QWidget *target, QKeyEvent *event);
    bool pressedBeforeShown(const QKeyEvent *event);

    struct Binding
    {
        QKeyCombination key;
        std::function<void()> act;
    };
    struct LeftKey
    {
        QWidget *box;
        QKeyCombination key;
    };
    QWidget *m_window;
    QList<Binding> m_bindings;
    QList<LeftKey> m_left;
    QList<int> m_downSinceShown;   // the keys pressed since the window was last shown
    bool m_named = false;
};
