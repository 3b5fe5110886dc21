#pragma once

#include <QString>
#include <array>

class ClickLabel;
class QLabel;
class QPushButton;
class TextBox;
struct ChoiceSection;
struct ProgramSection;

// The paging both review windows share. A review keeps positions of its own (the window passes
// them in) and never touches the paper's current fields.
namespace ReviewPaging {

// The choice tab: question and explanation boxes, the next and previous buttons, the ten squares.
struct ChoiceTab
{
    TextBox *title = nullptr;
    TextBox *explain = nullptr;
    QPushButton *next = nullptr;
    QPushButton *pre = nullptr;
    std::array<ClickLabel *, 10> squares{};
};

// Squares numbered 1..10, question 1 on show (its square red, no border yet), Next on, Previous off.
// The explanation of question 1 is shown even when its title is empty.
void loadChoices(const ChoiceTab &tab, const ChoiceSection &ch, QString &chosenLine);
// Marks square n as the one on show and fills both boxes with question n under the given heading;
// both boxes stay empty when the question has no title.
void showChoice(const ChoiceTab &tab, const ChoiceSection &ch, int n, const QString &heading, QString &chosenLine);
// Next and Previous run over all ten numbers, however many questions were loaded.
void choiceForward(const ChoiceTab &tab, const ChoiceSection &ch, int &chNo, QString &chosenLine);
void choiceBack(const ChoiceTab &tab, const ChoiceSection &ch, int &chNo, QString &chosenLine);

// A program tab: title and explanation boxes, an optional reference-answer box, its two buttons.
struct TaskTab
{
    TextBox *title = nullptr;
    TextBox *explain = nullptr;
    TextBox *answer = nullptr;      // only where the review shows the reference answer
    QLabel *verdict = nullptr;      // the last "检查程序" of the task, below the frames
    QPushButton *next = nullptr;
    QPushButton *pre = nullptr;
    bool spacedHeading = false;     // error correction: "【n】 " once the student has paged
};

// Task 1 under "【1】", Previous off; Next stays on whatever the count.
void loadTask(const TaskTab &tab, const ProgramSection &section);
// Kind A (fill-in-the-blanks, error correction): Next stays on when the last task comes into view;
// the click after that turns it off and shows the same task again. Previous likewise at task 1.
void taskForwardA(const TaskTab &tab, const ProgramSection &section, int &no);
void taskBackA(const TaskTab &tab, const ProgramSection &section, int &no);
// Kind B (programming): Next goes off as soon as the last task is on show; with no tasks at all
// neither button changes.
void taskForwardB(const TaskTab &tab, const ProgramSection &section, int &no);
void taskBackB(const TaskTab &tab, const ProgramSection &section, int &no);
// The verdict line of task n: "检查程序：" and its last check's headline, empty before one.
void showVerdict(const TaskTab &tab, const ProgramSection &section, int n);
}
