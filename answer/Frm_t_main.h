#pragma once

#include "answer/AnsweringSheet.h"
#include "answer/AnsweringControls.h"

#include <QWidget>
#include <memory>

struct TestRun;

// The test answering window: the student pages through the test set's choice questions and picks
// answers, opens the program tasks in the C editor, and ends the test, which leads to the review.
class Frm_t_main : public QWidget
{
    Q_OBJECT
public:
    // run: loaded, as the set window hands it on.
    explicit Frm_t_main(std::shared_ptr<TestRun> run, QWidget *parent = nullptr);
    // Gives the work folder back to other copies of the program.
    ~Frm_t_main() override;

    const TestRun &run() const { return *m_run; }
    // Shows the window; the first time, the load's notice follows, if there is one.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Cmd_next_Click();
    void Cmd_pre_Click();
    void Op1_Click(int index);
    void Lab_tm_Click(int index);
    void cmd_blank_next_Click();
    void cmd_blank_pre_Click();
    void Cmd_err_next_Click();
    void cmd_err_pre_Click();
    void Cmd_pro_next_Click();
    void Cmd_pro_pre_Click();
    void Cmd_blank_vc_Click();
    void Cmd_err_vc_Click();
    void Cmd_pro_vc_Click();
    void Cmd_blank_check_Click();
    void Cmd_err_check_Click();
    void Cmd_pro_check_Click();
    void Lab_path_Click();
    void cmd_exit_Click();
    void Form_KeyEscape();
    void Timer1_Timer();

    std::shared_ptr<TestRun> m_run;
    AnsweringControls c;
    AnsweringSheet sheet;
};
