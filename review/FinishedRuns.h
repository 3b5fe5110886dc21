#pragma once

#include "record/FinishedRun.h"

struct ExerciseRun;
struct TestRun;

// What the learning record keeps of a run that has ended: its questions, as answered, with the
// last check of each task. Called once the review's checks are in, so the score is the final one.
namespace FinishedRuns {
FinishedRun of(const TestRun &run, const BankIdentity &bank);
FinishedRun of(const ExerciseRun &run, const BankIdentity &bank); // a unit exercise or a notebook practice
}
