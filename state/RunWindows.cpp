#include "state/RunWindows.h"

namespace {

RunWindows::Steps &steps()
{
    static RunWindows::Steps s;
    return s;
}

}

void RunWindows::set(Steps s)
{
    steps() = std::move(s);
}

void RunWindows::answer(std::shared_ptr<TestRun> run)
{
    steps().answerTest(std::move(run));
}

void RunWindows::answer(std::shared_ptr<ExerciseRun> run)
{
    steps().answerExercise(std::move(run));
}

void RunWindows::review(std::shared_ptr<TestRun> run)
{
    steps().reviewTest(std::move(run));
}

void RunWindows::review(std::shared_ptr<ExerciseRun> run)
{
    steps().reviewExercise(std::move(run));
}
