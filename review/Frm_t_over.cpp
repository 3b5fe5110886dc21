#include "review/Frm_t_over.h"

#include "app/ClickLabel.h"
#include "app/Forms.h"
#include "app/Frm_login.h"
#include "app/Module1.h"
#include "platform/MessageBox.h"
#include "review/ReviewLayout.h"
#include "review/ReviewTexts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace Module1;
using namespace ReviewLayout;

Frm_t_over::Frm_t_over(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setUpWindow(this, QStringLiteral("Frm_t_over"), QStringLiteral("智桥-C语言综合练习系统"));
    Lab_title = heading(this, QStringLiteral("题组号："));
    QPushButton *Command2 = exitButton(this, QStringLiteral("退出综合练习"));
    QTabWidget *SSTab1 = tabs(this);

    QWidget *choice = page(SSTab1, ChoiceTab);
    m_choice.title = framedBox(choice, QStringLiteral("Frame1"), QStringLiteral("题目"), QStringLiteral("Txt_ch_title"), kTop);
    m_choice.explain = framedBox(choice, QStringLiteral("Frame2"), QStringLiteral("题目解析"),
                                 QStringLiteral("Txt_ch_explain"), kBelowTop);
    m_choice.squares = squares(choice);
    m_choice.next = nextButton(choice, QStringLiteral("Cmd_ch_next"));
    m_choice.pre = preButton(choice, QStringLiteral("Cmd_ch_pre"));

    QWidget *blank = page(SSTab1, BlankTab);
    m_blank.title = framedBox(blank, QStringLiteral("Frame3"), QStringLiteral("题目"), QStringLiteral("Txt_blank_title"), kLeft);
    m_blank.explain = framedBox(blank, QStringLiteral("Frame4"), QStringLiteral("题目解析"),
                                QStringLiteral("Txt_blank_explain"), kRight);
    m_blank.next = nextButton(blank, QStringLiteral("cmd_blank_next"));
    m_blank.pre = preButton(blank, QStringLiteral("cmd_blank_pre"));

    QWidget *err = page(SSTab1, ErrTab);
    m_err.title = framedBox(err, QStringLiteral("Frame5"), QStringLiteral("题目"), QStringLiteral("Txt_err_title"), kLeft);
    m_err.explain = framedBox(err, QStringLiteral("Frame6"), QStringLiteral("题目解析"),
                              QStringLiteral("Txt_err_explain"), kRight);
    m_err.next = nextButton(err, QStringLiteral("Cmd_err_next"));
    m_err.pre = preButton(err, QStringLiteral("cmd_err_pre"));
    m_err.spacedHeading = true;

    QWidget *pro = page(SSTab1, ProTab);
    m_pro.title = framedBox(pro, QStringLiteral("Frame7"), QStringLiteral("题目"), QStringLiteral("Txt_pro_title"), kUpperLeft);
    m_pro.answer = framedBox(pro, QStringLiteral("Frame8"), QStringLiteral("参考答案"),
                             QStringLiteral("Txt_pro_answer"), kLowerLeft);
    m_pro.explain = framedBox(pro, QStringLiteral("Frame9"), QStringLiteral("题目解析"),
                              QStringLiteral("Txt_pro_explain"), kRight);
    m_pro.next = nextButton(pro, QStringLiteral("Cmd_pro_next"));
    m_pro.pre = preButton(pro, QStringLiteral("Cmd_pro_pre"));

    connect(Command2, &QPushButton::clicked, this, &Frm_t_over::Command2_Click);
    connect(m_choice.next, &QPushButton::clicked, this, &Frm_t_over::Cmd_ch_next_Click);
    connect(m_choice.pre, &QPushButton::clicked, this, &Frm_t_over::Cmd_ch_pre_Click);
    connect(m_blank.next, &QPushButton::clicked, this, &Frm_t_over::cmd_blank_next_Click);
    connect(m_blank.pre, &QPushButton::clicked, this, &Frm_t_over::cmd_blank_pre_Click);
    connect(m_err.next, &QPushButton::clicked, this, &Frm_t_over::Cmd_err_next_Click);
    connect(m_err.pre, &QPushButton::clicked, this, &Frm_t_over::cmd_err_pre_Click);
    connect(m_pro.next, &QPushButton::clicked, this, &Frm_t_over::Cmd_pro_next_Click);
    connect(m_pro.pre, &QPushButton::clicked, this, &Frm_t_over::Cmd_pro_pre_Click);

    Form_Load();
}

void Frm_t_over::Form_Load()
{
    Lab_title->setText(ReviewTexts::testHeading(group_no));
    ch_no = blank_no = err_no = pro_no = 1;
    ReviewPaging::loadChoices(m_choice, TestPaper.ch, chosen_line);
    ReviewPaging::loadTask(m_blank, TestPaper.blank);
    ReviewPaging::loadTask(m_err, TestPaper.err);
    ReviewPaging::loadTask(m_pro, TestPaper.pro);
}

void Frm_t_over::Cmd_ch_next_Click()
{
    ReviewPaging::choiceForward(m_choice, TestPaper.ch, ch_no, chosen_line);
}

void Frm_t_over::Cmd_ch_pre_Click()
{
    ReviewPaging::choiceBack(m_choice, TestPaper.ch, ch_no, chosen_line);
}

void Frm_t_over::cmd_blank_next_Click()
{
    ReviewPaging::taskForwardA(m_blank, TestPaper.blank, blank_no);
}

void Frm_t_over::cmd_blank_pre_Click()
{
    ReviewPaging::taskBackA(m_blank, TestPaper.blank, blank_no);
}

void Frm_t_over::Cmd_err_next_Click()
{
    ReviewPaging::taskForwardA(m_err, TestPaper.err, err_no);
}

void Frm_t_over::cmd_err_pre_Click()
{
    ReviewPaging::taskBackA(m_err, TestPaper.err, err_no);
}

void Frm_t_over::Cmd_pro_next_Click()
{
    ReviewPaging::taskForwardB(m_pro, TestPaper.pro, pro_no);
}

void Frm_t_over::Cmd_pro_pre_Click()
{
    ReviewPaging::taskBackB(m_pro, TestPaper.pro, pro_no);
}

void Frm_t_over::Command2_Click()
{
    const auto answer = MessageBox::show(this, QStringLiteral("退出测试系统?"), QStringLiteral("信息提示"),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return;
    Forms<Frm_t_over>::unload();
    Forms<Frm_login>::show();
}

void Frm_t_over::closeEvent(QCloseEvent *event)
{
    // The window has no close box: the confirmed exit button is the only way back.
    event->ignore();
}
