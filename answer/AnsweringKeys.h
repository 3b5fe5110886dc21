#pragma once

struct AnsweringControls;
class QWidget;

// The keys of both answering windows: 1-4 and A-D pick an option of the choice question on show, → /
// PageDown and ← / PageUp page the tab on show, Ctrl+Tab switches tabs, Ctrl+E opens the task on show
// in the editor, F5 checks it ("检查程序"), Esc ends as the window's end button does. The first focus is
// option A of question 1: no stray key there can end the test or lose an answer.
namespace AnsweringKeys {
void bind(QWidget *window, const AnsweringControls &c);
}
