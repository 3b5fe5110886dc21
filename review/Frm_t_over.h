#pragma once

#include "review/ReviewPaging.h"

#include <QWidget>

class QLabel;

// The test review: every question of the test just taken with the student's choice, the correct
// answer and the explanations. It has no close box; only its exit button, confirmed, leaves it.
class Frm_t_over : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_t_over(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Cmd_ch_next_Click();
    void Cmd_ch_pre_Click();
    void cmd_blank_next_Click();
    void cmd_blank_pre_Click();
    void Cmd_err_next_Click();
    void cmd_err_pre_Click();
    void Cmd_pro_next_Click();
    void Cmd_pro_pre_Click();
    void Command2_Click();

    QLabel *Lab_title;
    ReviewPaging::ChoiceTab m_choice;
    ReviewPaging::TaskTab m_blank;
    ReviewPaging::TaskTab m_err;
    ReviewPaging::TaskTab m_pro;

    int ch_no = 1;
    int blank_no = 1;
    int err_no = 1;
    int pro_no = 1;
    QString chosen_line;
};
