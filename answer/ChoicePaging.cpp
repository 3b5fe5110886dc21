#include "answer/ChoicePaging.h"

#include "controls/NumberSquares.h"
#include "controls/TextBox.h"
#include "paper/Paper.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString pagedHeading(int n)
{
    return QStringLiteral("【第%1题】： ").arg(n);
}

}

ChoicePaging::ChoicePaging(ChoiceSection &ch, const AnsweringControls &controls) : m_ch(ch), m_c(controls)
{
}

void ChoicePaging::show(int n, const QString &heading)
{
    m_c.title->setText(heading + m_ch(n).title);
    for (int k = 1; k <= 4; ++k)
        m_c.optionTexts[k - 1]->setText(m_ch(n).option(k));
}

// Selecting from code never runs the option's click step (only `clicked` is connected), so a
// restore leaves the recorded choice and the square colours as they are.
void ChoicePaging::restoreChoice(int n)
{
    for (QRadioButton *option : m_c.options) {
        // An exclusive group never lets its last selected button go; all four must be cleared.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    if (m_ch(n).answered())
        m_c.options[m_ch(n).chosen - 1]->setChecked(true);
}

void ChoicePaging::showFirst()
{
    show(1, QStringLiteral("【第1题】: "));
}

void ChoicePaging::next()
{
    if (m_ch.current < m_ch.count) {
        const int n = ++m_ch.current;
        m_c.previous->setEnabled(true);
        show(n, pagedHeading(n));
        NumberSquares::frameOnly(m_c.squares, m_ch.count, n);
        if (n == 10) {
            m_c.next->setEnabled(false);
        } else {
            m_c.next->setEnabled(true);
            m_c.previous->setEnabled(true);
        }
        restoreChoice(n);
    }
    if (m_ch.current == m_ch.count) {
        m_c.next->setEnabled(false);
        m_c.previous->setEnabled(true);
    }
}

void ChoicePaging::previous()
{
    if (m_ch.current <= 1)
        return;
    const int n = --m_ch.current;
    if (n == 1) {
        m_c.previous->setEnabled(false);
        m_c.next->setEnabled(true);
    }
    show(n, pagedHeading(n));
    NumberSquares::frameOnly(m_c.squares, 10, n);
    if (n == 1) {
        m_c.previous->setEnabled(false);
    } else {
        m_c.previous->setEnabled(true);
        m_c.next->setEnabled(true);
    }
    restoreChoice(n);
}

void ChoicePaging::optionClicked(int i)
{
    NumberSquares::markAnswered(m_c.squares[m_ch.current - 1]);
    m_ch(m_ch.current).chosen = i + 1;
}

void ChoicePaging::squareClicked(int i)
{
    const int n = i + 1;
    m_ch.current = n;
    show(n, QStringLiteral("第%1题： ").arg(n));
    restoreChoice(n);
    NumberSquares::frameOnly(m_c.squares, 10, n);
}
