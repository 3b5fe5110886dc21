#pragma once

#include <QWidget>

class QListWidget;
class RichTextBox;

// The classic algorithms: a list of the algorithms and the description of the chosen one.
class Frm_jdsf : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_jdsf(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void List1_Click();
    void cmd_exit_Click();

    QListWidget *List1;
    RichTextBox *Rtxt_content;
};
