#pragma once

#include "answer/AnswerClock.h"
#include "answer/ChoicePaging.h"
#include "answer/RecheckOnSave.h"
#include "answer/TaskCheck.h"
#include "answer/TaskPaging.h"
#include "answer/AnsweringControls.h"

#include <array>
#include <functional>

struct Paper;

// What the test and the exercise answering windows do alike on their paper: the question
// controls, the choice paging, the three program tabs and the clock. Each window keeps only its
// own differences (folder, clock, square rule, leaving) in its own file.
class AnsweringSheet
{
public:
    // hourDigits: of the clock, see AnswerClock.
    AnsweringSheet(Paper &paper, const AnsweringControls &controls, int hourDigits);

    // A loaded paper put on show: the clock on, the squares numbered, the previous button
    // disabled and the first question of each section shown; its task files in folder watched.
    void show(const QString &folder);
    // The window goes: no check goes on.
    void stop();
    // The window's setVisible: shows it (through show, the base class's) and, the first time it
    // appears, tells the load's notice once.
    static void setVisible(QWidget *window, bool visible, QString &notice, const std::function<void(bool)> &show);

    ChoicePaging choices;
    std::array<TaskPaging, 3> tasks;   // blank, err, pro
    AnswerClock clock;
    TaskCheck check;                   // "检查程序" of the three program tabs
    RecheckOnSave recheck;             // the task files checked as they are saved

private:
    const AnsweringControls &m_c;
};
