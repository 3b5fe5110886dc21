#pragma once

#include "review/ReviewPaging.h"

#include <QWidget>

class QLabel;

// The exercise review: the unit exercise just done, question by question, with a jump by number
// square. Any close brings the chapter study window back as it was left.
class Frm_excer_over : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_excer_over(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Command1_Click();
    void Command3_Click();
    void Lab_tm_Click(int index);
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
