#include "review/ReviewPaging.h"

#include "controls/ClickLabel.h"
#include "controls/NumberSquares.h"
#include "controls/TextBox.h"
#include "paper/Paper.h"
#include "judge/VerdictText.h"
#include "review/ReviewTexts.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

void paint(QLabel *square, const QColor &background)
{
    QPalette palette = square->palette();
    palette.setColor(QPalette::Window, background);
    square->setPalette(palette);
}

void markOnShow(const ReviewPaging::ChoiceTab &tab, int n)
{
    for (ClickLabel *square : tab.squares)
        paint(square, kBlue);
    paint(tab.squares[std::size_t(n - 1)], kRed);
    // The same thin frame as the answering windows give the square on show.
    NumberSquares::frameOnly(tab.squares, 10, n);
}

void enable(QPushButton *next, bool nextOn, QPushButton *pre, bool preOn)
{
    next->setEnabled(nextOn);
    pre->setEnabled(preOn);
}

void showTask(const ReviewPaging::TaskTab &tab, const ProgramSection &section, int n, const QString &heading)
{
    tab.title->setText(heading + section(n).title);
    tab.explain->setText(section(n).explain);
    if (tab.answer)
        tab.answer->setText(section(n).answer);
    ReviewPaging::showVerdict(tab, section, n);
}

void showPagedTask(const ReviewPaging::TaskTab &tab, const ProgramSection &section, int n)
{
    showTask(tab, section, n, tab.spacedHeading ? ReviewTexts::spacedTaskHeading(n) : ReviewTexts::taskHeading(n));
}

}

void ReviewPaging::loadChoices(const ChoiceTab &tab, const ChoiceSection &ch, QString &chosenLine)
{
    for (int i = 1; i <= 10; ++i)
        tab.squares[std::size_t(i - 1)]->setText(QString::number(i));
    tab.title->setText({});
    if (!ch(1).title.isEmpty())
        tab.title->setText(ReviewTexts::questionText(ReviewTexts::choiceHeading(1), ch(1)));
    chosenLine = ReviewTexts::choiceLine(ch(1).chosen);
    tab.explain->setText(ReviewTexts::explainText(chosenLine, ch(1).answer, ch(1).explain));
    paint(tab.squares[0], kRed);
    enable(tab.next, true, tab.pre, false);
}

void ReviewPaging::showChoice(const ChoiceTab &tab, const ChoiceSection &ch, int n, const QString &heading,
                              QString &chosenLine)
{
    markOnShow(tab, n);
    chosenLine = ReviewTexts::choiceLine(ch(n).chosen);
    tab.title->setText({});
    tab.explain->setText({});
    if (ch(n).title.isEmpty())
        return;
    tab.title->setText(ReviewTexts::questionText(heading, ch(n)));
    tab.explain->setText(ReviewTexts::explainText(chosenLine, ch(n).answer, ch(n).explain));
}

void ReviewPaging::choiceForward(const ChoiceTab &tab, const ChoiceSection &ch, int &chNo, QString &chosenLine)
{
    if (chNo < ChoiceSection::capacity) {
        ++chNo;
        enable(tab.next, true, tab.pre, true);
    }
    if (chNo == ChoiceSection::capacity)
        enable(tab.next, false, tab.pre, true);
    showChoice(tab, ch, chNo, ReviewTexts::choiceHeading(chNo), chosenLine);
}

void ReviewPaging::choiceBack(const ChoiceTab &tab, const ChoiceSection &ch, int &chNo, QString &chosenLine)
{
    if (chNo > 1) {
        --chNo;
        enable(tab.next, true, tab.pre, true);
    }
    if (chNo == 1)
        enable(tab.next, true, tab.pre, false);
    showChoice(tab, ch, chNo, ReviewTexts::choiceHeading(chNo), chosenLine);
}

void ReviewPaging::loadTask(const TaskTab &tab, const ProgramSection &section)
{
    showTask(tab, section, 1, ReviewTexts::taskHeading(1));
    tab.pre->setEnabled(false);
}

void ReviewPaging::taskForwardA(const TaskTab &tab, const ProgramSection &section, int &no)
{
    if (no >= section.count) {
        enable(tab.next, false, tab.pre, true);
    } else {
        ++no;
        enable(tab.next, true, tab.pre, true);
    }
    showPagedTask(tab, section, no);
}

void ReviewPaging::taskBackA(const TaskTab &tab, const ProgramSection &section, int &no)
{
    if (no <= 1) {
        enable(tab.next, true, tab.pre, false);
    } else {
        --no;
        enable(tab.next, true, tab.pre, true);
    }
    showPagedTask(tab, section, no);
}

void ReviewPaging::taskForwardB(const TaskTab &tab, const ProgramSection &section, int &no)
{
    if (no < section.count) {
        ++no;
        enable(tab.next, true, tab.pre, true);
    }
    if (no == section.count)
        enable(tab.next, false, tab.pre, true);
    showPagedTask(tab, section, no);
}

void ReviewPaging::taskBackB(const TaskTab &tab, const ProgramSection &section, int &no)
{
    if (no > 1) {
        --no;
        enable(tab.next, true, tab.pre, true);
    }
    if (no == 1)
        enable(tab.next, true, tab.pre, false);
    showPagedTask(tab, section, no);
}

void ReviewPaging::showVerdict(const TaskTab &tab, const ProgramSection &section, int n)
{
    const std::optional<Verdict> &verdict = section(n).verdict;
    if (tab.verdict)
        tab.verdict->setText(verdict ? QStringLiteral("检查程序：") + VerdictText::headline(*verdict) : QString());
}
