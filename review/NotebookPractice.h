#pragma once

#include "record/Notebook.h"

#include <functional>

// How "错题练习" hands its questions to the exercise window: the program's start (app/WindowClasses)
// says which window answers them, as it does for every other window. With none said, there is no
// practice to start and the button stays off.
namespace NotebookPractice {
void setStart(std::function<void(const Notebook::Practice &)> start);
bool canStart();
void start(const Notebook::Practice &practice);
}
