#pragma once

#include <QPointer>
#include <QWidget>

// Each window exists at most once. show() loads it if it is not loaded (building it runs its
// load handler) and makes it visible; hide() keeps it and its controls; unload() destroys it,
// so the next show() builds it afresh.
template <class Form>
class Forms
{
public:
    static Form *get()
    {
        if (!slot())
            slot() = new Form;
        return slot();
    }
    static Form *loaded() { return slot(); }
    static Form *show()
    {
        Form *form = get();
        form->show();
        form->raise();
        form->activateWindow();
        return form;
    }
    static void hide()
    {
        if (Form *form = slot())
            form->hide();
    }
    static void unload()
    {
        if (Form *form = slot()) {
            slot() = nullptr;
            form->hide();
            form->deleteLater();
        }
    }

private:
    static QPointer<Form> &slot()
    {
        static QPointer<Form> form;
        return form;
    }
};
