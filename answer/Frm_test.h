#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;

// The test set window: the student picks one of the five practice sets and starts a test on it.
// It stays loaded and hidden during the test, so the start screen reopens it with the same choice.
class Frm_test : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_test(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Com_group_Click(int index);
    void Cmd_start_Click();
    void Cmd_end_Click();

    QComboBox *Com_group;
    QPushButton *Cmd_start;
    QPushButton *Cmd_end;
};
