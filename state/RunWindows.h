#pragma once

#include "state/Runs.h"

#include <functional>
#include <memory>

// How a run passes from window to window: the set and study windows hand a loaded run to its
// answering window, which hands it to its review. The program's start (app/WindowClasses) says
// which window class takes each step, so no window includes another's header.
namespace RunWindows {

struct Steps
{
    std::function<void(std::shared_ptr<TestRun>)> answerTest;
    std::function<void(std::shared_ptr<TestRun>)> reviewTest;
    std::function<void(std::shared_ptr<ExerciseRun>)> answerExercise;
    std::function<void(std::shared_ptr<ExerciseRun>)> reviewExercise;
};
void set(Steps steps);

void answer(std::shared_ptr<TestRun> run);
void answer(std::shared_ptr<ExerciseRun> run);
void review(std::shared_ptr<TestRun> run);
void review(std::shared_ptr<ExerciseRun> run);
}
