#include "review/NotebookPractice.h"

namespace {
std::function<void(const Notebook::Practice &)> &started()
{
    static std::function<void(const Notebook::Practice &)> start;
    return start;
}
}

void NotebookPractice::setStart(std::function<void(const Notebook::Practice &)> start)
{
    started() = std::move(start);
}

bool NotebookPractice::canStart()
{
    return bool(started());
}

void NotebookPractice::start(const Notebook::Practice &practice)
{
    if (started())
        started()(practice);
}
