#pragma once

#include "review/ReviewForm.h"

class QLabel;

// The exercise review: the unit exercise just done, question by question, with a jump by number
// square. Any close brings the chapter study window back as it was left.
class Frm_excer_over : public ReviewForm
{
    Q_OBJECT
public:
    explicit Frm_excer_over(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Lab_tm_Click(int index);
    void Command2_Click();

    QLabel *Lab_title;
};
