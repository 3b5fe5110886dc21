#pragma once

#include "data/QuestionBank.h"

#include <memory>

// The one open question bank, from the start screen's load to the program's end. The start
// screen opens it; every other window is given it when it is made (app/WindowClasses).
namespace OpenBank {
inline std::unique_ptr<QuestionBank> conn;
}
