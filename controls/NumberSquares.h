#pragma once

#include <array>

class ClickLabel;

// The question-number squares Lab_tm(0..9): their numbers, the red of an answered question
// (it never turns back in the window) and the frame of the question on show.
namespace NumberSquares {
using Squares = std::array<ClickLabel *, 10>;

// Captions "1".."10" and the frame on square 1, as a freshly loaded window shows them.
void number(const Squares &squares);
// Takes the frame off the first `upTo` squares, then frames the square of question n.
void frameOnly(const Squares &squares, int upTo, int n);
void markAnswered(ClickLabel *square);
}
