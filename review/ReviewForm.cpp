#include "review/ReviewForm.h"

#include "controls/TextBox.h"
#include "controls/WindowKeys.h"
#include "paper/Paper.h"
#include "paper/Score.h"
#include "review/EndChecks.h"
#include "review/ReviewLayout.h"
#include "review/ReviewMarks.h"
#include "review/ReviewTexts.h"
#include "review/RunRecording.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

ReviewForm::ReviewForm(std::shared_ptr<Paper> paper, QString folder, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_paper(std::move(paper)), m_folder(std::move(folder))
{
}

void ReviewForm::connectPaging()
{
    connect(m_choice.next, &QPushButton::clicked, this, &ReviewForm::choiceNext_Click);
    connect(m_choice.pre, &QPushButton::clicked, this, &ReviewForm::choicePre_Click);
    connect(m_blank.next, &QPushButton::clicked, this, &ReviewForm::cmd_blank_next_Click);
    connect(m_blank.pre, &QPushButton::clicked, this, &ReviewForm::cmd_blank_pre_Click);
    connect(m_err.next, &QPushButton::clicked, this, &ReviewForm::Cmd_err_next_Click);
    connect(m_err.pre, &QPushButton::clicked, this, &ReviewForm::cmd_err_pre_Click);
    connect(m_pro.next, &QPushButton::clicked, this, &ReviewForm::Cmd_pro_next_Click);
    connect(m_pro.pre, &QPushButton::clicked, this, &ReviewForm::Cmd_pro_pre_Click);
}

void ReviewForm::bindKeys(QTabWidget *tabs, QPushButton *exit)
{
    auto *keys = new WindowKeys(this);
    keys->press({QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_PageDown)},
                {m_choice.next, m_blank.next, m_err.next, m_pro.next});
    keys->press({QKeyCombination(Qt::Key_Left), QKeyCombination(Qt::Key_PageUp)},
                {m_choice.pre, m_blank.pre, m_err.pre, m_pro.pre});
    keys->press({QKeyCombination(Qt::Key_Escape)}, {exit});
    keys->run({QKeyCombination(Qt::ControlModifier, Qt::Key_C)}, [this, tabs] { copyOnShow(tabs); });
    keys->switchTabs(tabs);
    m_choice.next->setFocus();
}

// Every box of the tab in front, column by column, each top to bottom, a blank line between them.
void ReviewForm::copyOnShow(QTabWidget *tabs)
{
    QList<TextBox *> boxes = tabs->currentWidget()->findChildren<TextBox *>();
    std::sort(boxes.begin(), boxes.end(), [](TextBox *a, TextBox *b) {
        const QPoint pa = a->mapTo(a->window(), QPoint()), pb = b->mapTo(b->window(), QPoint());
        return std::pair(pa.x(), pa.y()) < std::pair(pb.x(), pb.y());
    });
    QStringList texts;
    for (TextBox *box : boxes)
        texts << box->toPlainText();
    QGuiApplication::clipboard()->setText(texts.join(QStringLiteral("\n\n")));
}

void ReviewForm::addCheckLines()
{
    m_blank.verdict = ReviewLayout::checkLine(m_blank.next->parentWidget(), QStringLiteral("Lab_blank_check"));
    m_err.verdict = ReviewLayout::checkLine(m_err.next->parentWidget(), QStringLiteral("Lab_err_check"));
    m_pro.verdict = ReviewLayout::checkLine(m_pro.next->parentWidget(), QStringLiteral("Lab_pro_check"));
}

void ReviewForm::loadTabs()
{
    ch_no = blank_no = err_no = pro_no = 1;
    ReviewPaging::loadChoices(m_choice, m_paper->ch, chosen_line);
    ReviewPaging::loadTask(m_blank, m_paper->blank);
    ReviewPaging::loadTask(m_err, m_paper->err);
    ReviewPaging::loadTask(m_pro, m_paper->pro);
}

void ReviewForm::showScore(QTabWidget *tabs, int seconds)
{
    m_tabs = tabs;
    m_seconds = seconds;
    // Right of the four tabs, where the row has room whatever the heading's length.
    m_score = new QLabel(tabs);
    m_score->setObjectName(QStringLiteral("Lab_score"));
    m_score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_score->setContentsMargins(0, 0, 6, 0);
    tabs->setCornerWidget(m_score, Qt::TopRightCorner);
    m_checks = new EndChecks(*m_paper, m_folder, this);
    connect(m_checks, &EndChecks::checked, this, &ReviewForm::scoreChanged);
    m_checks->start();
    scoreChanged();
}

void ReviewForm::scoreChanged()
{
    m_score->setText(ReviewTexts::summary(Score::of(*m_paper), m_seconds, m_checks->done(), m_checks->total()));
    ReviewMarks::markChoices(m_choice.squares, m_paper->ch);
    ReviewMarks::markTasks(m_tabs, *m_paper);
    ReviewPaging::showVerdict(m_blank, m_paper->blank, blank_no);
    ReviewPaging::showVerdict(m_err, m_paper->err, err_no);
    ReviewPaging::showVerdict(m_pro, m_paper->pro, pro_no);
    // After the review is on show, so that a notice about the record comes over it.
    if (!m_checks->running())
        QMetaObject::invokeMethod(this, &ReviewForm::recordOnce, Qt::QueuedConnection);
}

void ReviewForm::recordOnce()
{
    if (m_recorded)
        return;
    m_recorded = true;
    RunRecording::record(this, finishedRun());
}

void ReviewForm::showChoice(int n, const QString &heading)
{
    ReviewPaging::showChoice(m_choice, m_paper->ch, n, heading, chosen_line);
}

void ReviewForm::choiceNext_Click()
{
    ReviewPaging::choiceForward(m_choice, m_paper->ch, ch_no, chosen_line);
}

void ReviewForm::choicePre_Click()
{
    ReviewPaging::choiceBack(m_choice, m_paper->ch, ch_no, chosen_line);
}

void ReviewForm::cmd_blank_next_Click()
{
    ReviewPaging::taskForwardA(m_blank, m_paper->blank, blank_no);
}

void ReviewForm::cmd_blank_pre_Click()
{
    ReviewPaging::taskBackA(m_blank, m_paper->blank, blank_no);
}

void ReviewForm::Cmd_err_next_Click()
{
    ReviewPaging::taskForwardA(m_err, m_paper->err, err_no);
}

void ReviewForm::cmd_err_pre_Click()
{
    ReviewPaging::taskBackA(m_err, m_paper->err, err_no);
}

void ReviewForm::Cmd_pro_next_Click()
{
    ReviewPaging::taskForwardB(m_pro, m_paper->pro, pro_no);
}

void ReviewForm::Cmd_pro_pre_Click()
{
    ReviewPaging::taskBackB(m_pro, m_paper->pro, pro_no);
}
