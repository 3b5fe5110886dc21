#pragma once

class QWidget;

// Gives every named control of a window that a screen reader would find nameless an accessible
// name: what its frame or tab is called, or else the window's caption. Buttons and labels are
// read by their caption or text and keep it; a name set by the window beforehand is kept.
namespace AccessibleNames {
void name(QWidget *window);
}
