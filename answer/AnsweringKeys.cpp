#include "answer/AnsweringKeys.h"

#include "controls/TextBox.h"
#include "controls/WindowKeys.h"
#include "answer/AnsweringControls.h"

#include <QPushButton>
#include <QRadioButton>

WindowKeys *AnsweringKeys::bind(QWidget *window, const AnsweringControls &c)
{
    auto *keys = new WindowKeys(window);
    for (int i = 0; i < 4; ++i)
        keys->press(WindowKeys::option(i), {c.options[i]});
    QList<QAbstractButton *> next = {c.next}, previous = {c.previous}, editors, checks;
    for (const AnsweringControls::TaskTab &tab : c.tasks) {
        next << tab.next;
        previous << tab.previous;
        editors << tab.editor;
        checks << tab.check;
    }
    keys->press({QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_PageDown)}, next);
    keys->press({QKeyCombination(Qt::Key_Left), QKeyCombination(Qt::Key_PageUp)}, previous);
    keys->press({QKeyCombination(Qt::ControlModifier, Qt::Key_E)}, editors);
    keys->press({QKeyCombination(Qt::Key_F5)}, checks);
    keys->switchTabs(c.tabs);
    // The question box answers no key: Return or Space typed as the window opens records nothing.
    c.title->setFocus();
    return keys;
}
