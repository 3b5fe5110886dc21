#pragma once

#include "judge/CompilerMessages.h"

#include <QString>

// The commonest messages of the C compiler said again in Chinese, as a beginner can act on them.
namespace CompilerAdvice {

// What the message means and what to do; empty when it is not one of the common ones.
QString explain(const CompilerMessage &message);
// Whether a warning points at a fault that shows only when the program runs (a scanf argument
// without '&', a variable used before it is set, '=' in a condition, ...).
bool mayExplainRun(const CompilerMessage &message);

}
