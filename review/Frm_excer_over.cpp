#include "review/Frm_excer_over.h"

#include "app/ClickLabel.h"
#include "app/Forms.h"
#include "app/Module1.h"
#include "review/ReviewLayout.h"
#include "review/ReviewTexts.h"
#include "study/Frm_study.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace Module1;
using namespace ReviewLayout;

Frm_excer_over::Frm_excer_over(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setUpWindow(this, QStringLiteral("Frm_excer_over"), QStringLiteral("智桥-C语言单元练习[要点解析]"));
    Lab_title = heading(this, QStringLiteral("单元练习：【】"));
    QPushButton *Command2 = exitButton(this, QStringLiteral("退出"));
    QTabWidget *SSTab1 = tabs(this);

    QWidget *choice = page(SSTab1, ChoiceTab);
    m_choice.title = framedBox(choice, QStringLiteral("Frame1"), QStringLiteral("题目"), QStringLiteral("Txt_title"), kTop, true);
    m_choice.explain = framedBox(choice, QStringLiteral("Frame4"), QStringLiteral("解析"), QStringLiteral("rtxt_explain"),
                                 kBelowTop, true);
    m_choice.squares = squares(choice);
    m_choice.next = nextButton(choice, QStringLiteral("Command1"));
    m_choice.pre = preButton(choice, QStringLiteral("Command3"));

    QWidget *blank = page(SSTab1, BlankTab);
    m_blank.title = framedBox(blank, QStringLiteral("Frame2"), QStringLiteral("题目"), QStringLiteral("rTxt_blank_title"), kLeft);
    m_blank.explain = framedBox(blank, QStringLiteral("Frame3"), QStringLiteral("解析"),
                                QStringLiteral("rTxt_blank_explain"), kRight);
    m_blank.next = nextButton(blank, QStringLiteral("cmd_blank_next"));
    m_blank.pre = preButton(blank, QStringLiteral("cmd_blank_pre"));

    QWidget *err = page(SSTab1, ErrTab);
    m_err.title = framedBox(err, QStringLiteral("Frame5"), QStringLiteral("题目"), QStringLiteral("rTxt_err_title"), kLeft);
    m_err.explain = framedBox(err, QStringLiteral("Frame6"), QStringLiteral("解析"), QStringLiteral("rTxt_err_explain"), kRight);
    m_err.next = nextButton(err, QStringLiteral("Cmd_err_next"));
    m_err.pre = preButton(err, QStringLiteral("cmd_err_pre"));
    m_err.spacedHeading = true;

    // Unlike the test review, the programming tab shows no reference answer.
    QWidget *pro = page(SSTab1, ProTab);
    m_pro.title = framedBox(pro, QStringLiteral("Frame7"), QStringLiteral("题目"), QStringLiteral("rTxt_pro_title"), kTop);
    m_pro.explain = framedBox(pro, QStringLiteral("Frame9"), QStringLiteral("题目解析"),
                              QStringLiteral("rTxt_pro_explain"), kBelowTop);
    m_pro.next = nextButton(pro, QStringLiteral("Cmd_pro_next"));
    m_pro.pre = preButton(pro, QStringLiteral("Cmd_pro_pre"));

    connect(Command2, &QPushButton::clicked, this, &Frm_excer_over::Command2_Click);
    connect(m_choice.next, &QPushButton::clicked, this, &Frm_excer_over::Command1_Click);
    connect(m_choice.pre, &QPushButton::clicked, this, &Frm_excer_over::Command3_Click);
    for (int i = 0; i < 10; ++i)
        connect(m_choice.squares[std::size_t(i)], &ClickLabel::clicked, this, [this, i] { Lab_tm_Click(i); });
    connect(m_blank.next, &QPushButton::clicked, this, &Frm_excer_over::cmd_blank_next_Click);
    connect(m_blank.pre, &QPushButton::clicked, this, &Frm_excer_over::cmd_blank_pre_Click);
    connect(m_err.next, &QPushButton::clicked, this, &Frm_excer_over::Cmd_err_next_Click);
    connect(m_err.pre, &QPushButton::clicked, this, &Frm_excer_over::cmd_err_pre_Click);
    connect(m_pro.next, &QPushButton::clicked, this, &Frm_excer_over::Cmd_pro_next_Click);
    connect(m_pro.pre, &QPushButton::clicked, this, &Frm_excer_over::Cmd_pro_pre_Click);

    Form_Load();
}

void Frm_excer_over::Form_Load()
{
    Lab_title->setText(ReviewTexts::unitHeading(chapter_title));
    ch_no = blank_no = err_no = pro_no = 1;
    ReviewPaging::loadChoices(m_choice, ExercisePaper.ch, chosen_line);
    ReviewPaging::loadTask(m_blank, ExercisePaper.blank);
    ReviewPaging::loadTask(m_err, ExercisePaper.err);
    ReviewPaging::loadTask(m_pro, ExercisePaper.pro);
}

void Frm_excer_over::Command1_Click()
{
    ReviewPaging::choiceForward(m_choice, ExercisePaper.ch, ch_no, chosen_line);
}

void Frm_excer_over::Command3_Click()
{
    ReviewPaging::choiceBack(m_choice, ExercisePaper.ch, ch_no, chosen_line);
}

void Frm_excer_over::Lab_tm_Click(int index)
{
    // A look at one question: ch_no and the two buttons stay where the buttons left them.
    const int k = index + 1;
    ReviewPaging::showChoice(m_choice, ExercisePaper.ch, k, QStringLiteral("(%1)").arg(k), chosen_line);
}

void Frm_excer_over::cmd_blank_next_Click()
{
    ReviewPaging::taskForwardA(m_blank, ExercisePaper.blank, blank_no);
}

void Frm_excer_over::cmd_blank_pre_Click()
{
    ReviewPaging::taskBackA(m_blank, ExercisePaper.blank, blank_no);
}

void Frm_excer_over::Cmd_err_next_Click()
{
    ReviewPaging::taskForwardA(m_err, ExercisePaper.err, err_no);
}

void Frm_excer_over::cmd_err_pre_Click()
{
    ReviewPaging::taskBackA(m_err, ExercisePaper.err, err_no);
}

void Frm_excer_over::Cmd_pro_next_Click()
{
    ReviewPaging::taskForwardB(m_pro, ExercisePaper.pro, pro_no);
}

void Frm_excer_over::Cmd_pro_pre_Click()
{
    ReviewPaging::taskBackB(m_pro, ExercisePaper.pro, pro_no);
}

void Frm_excer_over::Command2_Click()
{
    close();
}

void Frm_excer_over::closeEvent(QCloseEvent *event)
{
    // Never cancelled: every way out leads back to the chapter study window.
    event->accept();
    Forms<Frm_excer_over>::unload();
    Forms<Frm_study>::show();
}
