#pragma once

// Seconds of unit exercise in this program run: the exercise window's clock goes on from one
// exercise to the next, so this outlives every run and window. Nothing of it is saved.
namespace ExerciseClock {
inline int exer_clock = 0;
}
