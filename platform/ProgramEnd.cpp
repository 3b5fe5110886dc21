#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace {
std::function<void()> &handler()
{
    static std::function<void()> h;
    return h;
}
}

void ProgramEnd::now()
{
    if (handler())
        handler()();
    else
        QCoreApplication::exit(0);
}

void ProgramEnd::setHandler(std::function<void()> h)
{
    handler() = std::move(h);
}
