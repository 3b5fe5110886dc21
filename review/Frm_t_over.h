#pragma once

#include "review/ReviewForm.h"

class QLabel;
struct TestRun;

// The test review: every question of the test just taken with the student's choice, the correct
// answer and the explanations. It has no close box; only its exit button, confirmed, leaves it.
class Frm_t_over : public ReviewForm
{
    Q_OBJECT
public:
    // run: the test just ended, as its answering window hands it on.
    explicit Frm_t_over(std::shared_ptr<TestRun> run, QWidget *parent = nullptr);

    const TestRun &run() const { return *m_run; }

protected:
    void closeEvent(QCloseEvent *event) override;
    FinishedRun finishedRun() const override;

private:
    void Form_Load();
    void Command2_Click();

    std::shared_ptr<TestRun> m_run;
    QLabel *Lab_title;
};
