#pragma once

#include <array>

class ClickLabel;
class QTabWidget;
struct ChoiceSection;
struct Paper;

// Right, wrong and unanswered at a glance: a small mark in the corner of each question square
// (green right, yellow wrong, grey not answered) and a dot on each program tab, each with a
// tooltip that says it in words. The squares' own colours, which show the question on show,
// stay as they are.
namespace ReviewMarks {
void markChoices(const std::array<ClickLabel *, 10> &squares, const ChoiceSection &ch);
// Tabs 1..3 of the review's tabs: fill-in, correction, programming.
void markTasks(QTabWidget *tabs, const Paper &paper);
}
