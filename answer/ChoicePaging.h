#pragma once

#include "answer/AnsweringControls.h"

#include <QString>

struct ChoiceSection;

// Paging through the choice questions and answering them, alike in both answering windows:
// the next and previous buttons with their enabling rules, the option buttons, and the jump by a
// number square (whose effect on the two buttons each window decides itself).
class ChoicePaging
{
public:
    ChoicePaging(ChoiceSection &ch, const AnsweringControls &controls);

    void showFirst();                 // question 1 as the load shows it ("【第1题】: ")
    void next();                      // Cmd_next
    void previous();                  // Cmd_pre
    void optionClicked(int i);        // option button i (0..3)
    void squareClicked(int i);        // square i (0..9): shows question i + 1

private:
    void show(int n, const QString &heading);
    void restoreChoice(int n);

    ChoiceSection &m_ch;
    const AnsweringControls &m_c;
};
