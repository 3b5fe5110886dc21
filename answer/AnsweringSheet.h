#pragma once

#include "answer/AnswerClock.h"
#include "answer/ChoicePaging.h"
#include "answer/TaskCheck.h"
#include "answer/TaskPaging.h"
#include "answer/AnsweringControls.h"

#include <array>

class PaperLoader;
struct Paper;

// What the test and the exercise answering windows do alike on their paper: the question
// controls, the choice paging, the three program tabs and the clock. Each window keeps only its
// own differences (folder, clock start, square rule, leaving) in its own file.
class AnsweringSheet
{
public:
    // hourDigits: of the clock, see AnswerClock.
    AnsweringSheet(Paper &paper, const AnsweringControls &controls, int hourDigits);

    // The question box and the option buttons' captions emptied, as a load begins.
    void clearQuestion();
    // The rest of a load once the paper is emptied and the folder cleared: every section at
    // question 1, the clock on, the squares numbered, the four sections read in order (the
    // previous button disabled after the choices) and the first question of each shown.
    void fill(PaperLoader &loader);

    ChoicePaging choices;
    std::array<TaskPaging, 3> tasks;   // blank, err, pro
    AnswerClock clock;
    TaskCheck check;                   // "检查程序" of the three program tabs

private:
    const AnsweringControls &m_c;
};
