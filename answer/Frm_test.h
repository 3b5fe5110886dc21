#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;
class QuestionBank;

// The test set window: the student picks one of the five practice sets and starts a test on it.
// It stays loaded and hidden during the test, so the start screen reopens it with the same choice.
class Frm_test : public QWidget
{
    Q_OBJECT
public:
    // bank: the open question bank the sets are read from.
    explicit Frm_test(QuestionBank &bank, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Com_group_Click(int index);
    void Cmd_start_Click();
    void Cmd_end_Click();

    QuestionBank &m_bank;
    int m_group = 0;      // the set last picked from the list, 1..5
    QComboBox *Com_group;
    QPushButton *Cmd_start;
    QPushButton *Cmd_end;
};
