#pragma once

#include "paper/Paper.h"

#include <QString>
#include <memory>

#include "data/QuestionBank.h"

// The state the windows hand to one another. It lives for the whole run; nothing of it is saved.
namespace Module1 {
inline std::unique_ptr<QuestionBank> conn;   // the one open question bank, from start screen to exit
inline QString test_path;                    // work folder of the running test
inline QString exer_path;                    // work folder of the running unit exercise
inline int group_no = 0;                     // chosen test set, 1..5
inline QString chapter_id;                   // two-character key of the chosen chapter
inline QString chapter_title;                // title of the chosen chapter
inline int test_clock = 0;                   // seconds of the running test
inline int exer_clock = 0;                   // seconds of unit exercise in this run
inline Paper TestPaper{3};
inline Paper ExercisePaper{5};
}
