#pragma once

#include <functional>

// Ending the whole program at once: no close events, no further prompts. A test replaces the
// ending so that its own event loop survives.
namespace ProgramEnd {
void now();
void setHandler(std::function<void()> handler);
}
