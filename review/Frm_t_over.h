#pragma once

#include "review/ReviewForm.h"

class QLabel;

// The test review: every question of the test just taken with the student's choice, the correct
// answer and the explanations. It has no close box; only its exit button, confirmed, leaves it.
class Frm_t_over : public ReviewForm
{
    Q_OBJECT
public:
    explicit Frm_t_over(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Command2_Click();

    QLabel *Lab_title;
};
