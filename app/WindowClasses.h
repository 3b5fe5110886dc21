#pragma once

// The one place that knows every window's class: it connects each window name the windows
// lead to (controls/Navigation) with the class that shows it.
namespace WindowClasses {
void connect();
}
