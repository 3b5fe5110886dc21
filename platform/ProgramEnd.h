#pragma once

#include <functional>

// Ending the whole program at once: no close events, no further prompts. A test replaces the
// ending so that its own event loop survives.
namespace ProgramEnd {
void now(int status = 0); // the program's exit status: 0 when the student ends it, 1 on failure
void setHandler(std::function<void(int status)> handler);
}
