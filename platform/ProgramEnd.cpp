#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace {
std::function<void(int)> &handler()
{
    static std::function<void(int)> h;
    return h;
}
}

void ProgramEnd::now(int status)
{
    if (handler())
        handler()(status);
    else
        QCoreApplication::exit(status);
}

void ProgramEnd::setHandler(std::function<void(int)> h)
{
    handler() = std::move(h);
}
