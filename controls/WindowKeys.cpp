#include "controls/WindowKeys.h"

#include "controls/AccessibleNames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

namespace {

enum class Box { None, OneLine, Lines };

Box editableBox(const QWidget *w)
{
    if (auto *line = qobject_cast<const QLineEdit *>(w))
        return line->isReadOnly() ? Box::None : Box::OneLine;
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->isEditable() ? Box::OneLine : Box::None;
    if (auto *text = qobject_cast<const QPlainTextEdit *>(w))
        return text->isReadOnly() ? Box::None : Box::Lines;
    if (auto *text = qobject_cast<const QTextEdit *>(w))
        return text->isReadOnly() ? Box::None : Box::Lines;
    return Box::None;
}

bool hasSelection(const QWidget *w)
{
    if (auto *line = qobject_cast<const QLineEdit *>(w))
        return line->hasSelectedText();
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->lineEdit() && combo->lineEdit()->hasSelectedText();
    if (auto *text = qobject_cast<const QPlainTextEdit *>(w))
        return text->textCursor().hasSelection();
    if (auto *text = qobject_cast<const QTextEdit *>(w))
        return text->textCursor().hasSelection();
    return false;
}

// One spelling per key: Backtab is Shift+Tab, the keypad's Enter and digits are the main ones.
QKeyCombination normalized(const QKeyEvent *event)
{
    Qt::Key key = Qt::Key(event->key());
    Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Backtab) {
        key = Qt::Key_Tab;
        modifiers |= Qt::ShiftModifier;
    }
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    return QKeyCombination(modifiers, key);
}

// What the box keeps for itself: all that is typed into an editable one, but for the keys that
// leave it or act on the window, and in any box a copy of what is selected.
bool goesToBox(const QWidget *target, QKeyCombination key)
{
    if (key == QKeyCombination(Qt::ControlModifier, Qt::Key_C))
        return hasSelection(target);
    const Box box = editableBox(target);
    if (box == Box::None || key.key() == Qt::Key_Escape)
        return false;
    if (key.key() == Qt::Key_Tab && (key.keyboardModifiers() & Qt::ControlModifier))
        return false;
    return !(box == Box::OneLine && key == QKeyCombination(Qt::Key_Return));
}

QString keyName(QKeyCombination key)
{
    if (key.keyboardModifiers() != Qt::NoModifier)
        return QKeySequence(key).toString(QKeySequence::PortableText);
    switch (key.key()) {
    case Qt::Key_Right: return QStringLiteral("→");
    case Qt::Key_Left: return QStringLiteral("←");
    case Qt::Key_Up: return QStringLiteral("↑");
    case Qt::Key_Down: return QStringLiteral("↓");
    case Qt::Key_PageDown: return QStringLiteral("PageDown");
    case Qt::Key_PageUp: return QStringLiteral("PageUp");
    case Qt::Key_Escape: return QStringLiteral("Esc");
    case Qt::Key_Return: return QStringLiteral("Enter");
    case Qt::Key_Space: return QStringLiteral("空格");
    default: return QKeySequence(key).toString(QKeySequence::PortableText);
    }
}

}

WindowKeys::WindowKeys(QWidget *window) : QObject(window), m_window(window)
{
    // Before the focused control: a key meant for the window must not first move a radio button
    // or a tab bar.
    qApp->installEventFilter(this);
}

void WindowKeys::press(const Keys &keys, const QList<QAbstractButton *> &buttons)
{
    for (QAbstractButton *button : buttons)
        button->setToolTip(tip(keys));
    run(keys, [this, buttons] {
        for (QAbstractButton *button : buttons)
            if (button->isVisibleTo(m_window) && button->isEnabled()) {
                button->click();
                return;
            }
    });
}

void WindowKeys::run(const Keys &keys, const std::function<void()> &action, QWidget *tipped)
{
    for (QKeyCombination key : keys)
        m_bindings.append({key, action});
    if (tipped)
        tipped->setToolTip(tip(keys));
}

void WindowKeys::switchTabs(QTabWidget *tabs)
{
    const Keys next = {QKeyCombination(Qt::ControlModifier, Qt::Key_Tab)};
    const Keys previous = {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Tab)};
    run(next, [tabs] { tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count()); });
    run(previous, [tabs] { tabs->setCurrentIndex((tabs->currentIndex() + tabs->count() - 1) % tabs->count()); });
    for (int i = 0; i < tabs->count(); ++i)
        tabs->tabBar()->setTabToolTip(i, tip(next + previous));
}

void WindowKeys::leaveTo(QWidget *box, const Keys &keys)
{
    for (QKeyCombination key : keys)
        m_left.append({box, key});
}

WindowKeys::Keys WindowKeys::option(int i)
{
    const auto letter = Qt::Key(Qt::Key_A + i);
    return {QKeyCombination(Qt::Key(Qt::Key_1 + i)), QKeyCombination(letter),
            QKeyCombination(Qt::ShiftModifier, letter)};
}

QString WindowKeys::tip(const Keys &keys)
{
    QStringList names;
    for (QKeyCombination key : keys) {
        const bool upperCase = key.keyboardModifiers() == Qt::ShiftModifier && key.key() >= Qt::Key_A
                               && key.key() <= Qt::Key_Z;
        if (!upperCase)   // the same key as the small letter
            names << keyName(key);
    }
    return QStringLiteral("快捷键：") + names.join(QStringLiteral(" / "));
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show) {
        m_downSinceShown.clear();
        if (!m_named) {
            m_named = true;
            AccessibleNames::name(m_window);
        }
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != m_window)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (pressedBeforeShown(key)) {
        key->accept();
        return true;
    }
    return handle(target, key);
}

// A window that has just taken over from another must not act on what was typed into that one:
// the second Return of a quick double press queued for the hidden window, or Return held down.
bool WindowKeys::pressedBeforeShown(const QKeyEvent *event)
{
    if (!m_window->isVisible())
        return true;
    if (event->isAutoRepeat())
        return !m_downSinceShown.contains(event->key());
    if (!m_downSinceShown.contains(event->key()))
        m_downSinceShown.append(event->key());
    return false;
}

bool WindowKeys::handle(QWidget *target, QKeyEvent *event)
{
    const QKeyCombination key = normalized(event);
    if (goesToBox(target, key))
        return false;
    for (const LeftKey &left : std::as_const(m_left))
        if (left.key == key && (target == left.box || left.box->isAncestorOf(target)))
            return false;
    if (key == QKeyCombination(Qt::Key_Return)) {
        // A push button only: Return on an option button must not pick the option.
        if (auto *button = qobject_cast<QPushButton *>(target)) {
            button->click();   // does nothing while the button is disabled
            event->accept();
            return true;
        }
    }
    bool bound = false;
    for (const Binding &binding : std::as_const(m_bindings))
        if (binding.key == key) {
            binding.act();
            bound = true;
            break;
        }
    // A bound key whose button is disabled does nothing at all: it never falls through to the
    // control with the focus.
    if (bound)
        event->accept();
    return bound;
}
