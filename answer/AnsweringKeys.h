#pragma once

struct AnsweringControls;
class QWidget;
class WindowKeys;

// The keys both answering windows share: 1-4 and A-D pick an option of the choice question on show,
// → / PageDown and ← / PageUp page the tab on show, Ctrl+Tab switches tabs, Ctrl+E opens the task on
// show in the editor, F5 checks it ("检查程序"). Each window binds Esc to its own way of ending. The
// first focus is the question box, where no stray key ends the test or records an answer.
namespace AnsweringKeys {
WindowKeys *bind(QWidget *window, const AnsweringControls &c);
}
