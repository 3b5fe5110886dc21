#pragma once

#include <QWidget>

class QListWidget;
class QuestionBank;
class RichTextBox;

// The classic algorithms: a list of the algorithms and the description of the chosen one.
class Frm_jdsf : public QWidget
{
    Q_OBJECT
public:
    // bank: the open question bank the algorithms are read from.
    explicit Frm_jdsf(QuestionBank &bank, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void List1_Click();
    void cmd_exit_Click();

    QuestionBank &m_bank;
    QListWidget *List1;
    RichTextBox *Rtxt_content;
};
