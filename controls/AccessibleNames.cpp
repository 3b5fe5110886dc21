#include "controls/AccessibleNames.h"

#include <QAccessible>
#include <QGroupBox>
#include <QTabWidget>

namespace {

// The nearest caption around the control: of a frame, of the tab it is on, or of the window.
QString surroundingCaption(QWidget *control, QWidget *window)
{
    for (QWidget *w = control; w && w != window; w = w->parentWidget()) {
        if (auto *frame = qobject_cast<QGroupBox *>(w); frame && !frame->title().isEmpty())
            return frame->title();
        QWidget *stack = w->parentWidget();
        if (auto *tabs = qobject_cast<QTabWidget *>(stack ? stack->parentWidget() : nullptr))
            if (const int i = tabs->indexOf(w); i >= 0)
                return tabs->tabText(i);
    }
    return window->windowTitle();
}

bool readByItsOwnText(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible && !accessible->text(QAccessible::Name).isEmpty();
}

}

void AccessibleNames::name(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || control->window() != window)
            continue;   // Qt's own parts, and windows of their own (a combo box's list)
        if (!readByItsOwnText(control))
            control->setAccessibleName(surroundingCaption(control, window));
    }
}
