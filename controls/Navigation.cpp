#include "controls/Navigation.h"

#include <QtGlobal>

namespace {
std::function<void(Window)> &shower()
{
    static std::function<void(Window)> show;
    return show;
}
}

void Navigation::show(Window window)
{
    if (!shower())
        qFatal("no window is connected to its name");
    shower()(window);
}

void Navigation::setShow(std::function<void(Window)> show)
{
    shower() = std::move(show);
}
