#pragma once

#include "review/ReviewForm.h"

class QLabel;
struct ExerciseRun;

// The exercise review: the unit exercise (or notebook practice) just done, question by question,
// with a jump by number square. Any close brings the chapter study window back as it was left
// (the start screen after a notebook practice).
class Frm_excer_over : public ReviewForm
{
    Q_OBJECT
public:
    // run: the exercise just ended, as its answering window hands it on.
    explicit Frm_excer_over(std::shared_ptr<ExerciseRun> run, QWidget *parent = nullptr);

    const ExerciseRun &run() const { return *m_run; }

protected:
    void closeEvent(QCloseEvent *event) override;
    FinishedRun finishedRun() const override;

private:
    void Form_Load();
    void Lab_tm_Click(int index);
    void Command2_Click();

    std::shared_ptr<ExerciseRun> m_run;
    QLabel *Lab_title;
};
