#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <type_traits>

// Each window exists at most once. show() loads it if it is not loaded (building it runs its
// load handler) and makes it visible; hide() keeps it and its controls; unload() destroys it,
// so the next show() builds it afresh. A window is built from show's arguments, else by the
// maker set for its class, else by its default constructor.
template <class Form>
class Forms
{
public:
    template <class... Args>
    static Form *get(Args &&...args)
    {
        if (!slot()) {
            if constexpr (sizeof...(Args) > 0)
                slot() = new Form(std::forward<Args>(args)...);
            else if (maker())
                slot() = maker()();
            else if constexpr (std::is_default_constructible_v<Form>)
                slot() = new Form;
            else
                qFatal("no maker for %s", Form::staticMetaObject.className());
        }
        return slot();
    }
    static Form *loaded() { return slot(); }
    static void setMaker(std::function<Form *()> make) { maker() = std::move(make); }
    template <class... Args>
    static Form *show(Args &&...args)
    {
        Form *form = get(std::forward<Args>(args)...);
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
    static std::function<Form *()> &maker()
    {
        static std::function<Form *()> make;
        return make;
    }
    static QPointer<Form> &slot()
    {
        static QPointer<Form> form;
        return form;
    }
};
