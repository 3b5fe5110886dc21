#pragma once

#include "answer/AnsweringSheet.h"
#include "answer/LoadOutcome.h"
#include "answer/AnsweringControls.h"

#include <QWidget>

// The unit exercise window: the chapter's exercise answered as a test is, with its own jump rule
// for the number squares, a clock that goes on across the exercises of a run, and a confirmed end
// that leads to the exercise review.
class Frm_exer : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_exer(QWidget *parent = nullptr);

    // A window whose load failed never shows: the student is told why and returns to Frm_study.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Cmd_next_Click();
    void Cmd_pre_Click();
    void Option1_Click(int index);
    void Lab_tm_Click(int index);
    void Cmd_b_1_Click(int index);
    void Cmd_err_Click(int index);
    void Cmd_pro_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Cmd_blank_check_Click();
    void Cmd_err_check_Click();
    void Cmd_pro_check_Click();
    void Lab_exerpath_Click();
    void Command1_Click();
    void Timer1_Timer();

    AnsweringControls c;
    AnsweringSheet sheet;
    LoadOutcome outcome;
};
