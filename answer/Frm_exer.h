#pragma once

#include "answer/AnsweringSheet.h"
#include "answer/AnsweringControls.h"

#include <QWidget>
#include <memory>

struct ExerciseRun;

// The unit exercise window: the chapter's exercise (or the notebook's practice) answered as a test
// is, with its own jump rule for the number squares, a clock that goes on across the exercises of
// a run, and a confirmed end that leads to the exercise review.
class Frm_exer : public QWidget
{
    Q_OBJECT
public:
    // run: loaded, as the study window hands it on.
    explicit Frm_exer(std::shared_ptr<ExerciseRun> run, QWidget *parent = nullptr);
    // Gives the work folder back to other copies of the program.
    ~Frm_exer() override;

    const ExerciseRun &run() const { return *m_run; }
    // Shows the window; the first time, the load's notice follows, if there is one.
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

    std::shared_ptr<ExerciseRun> m_run;
    AnsweringControls c;
    AnsweringSheet sheet;
};
