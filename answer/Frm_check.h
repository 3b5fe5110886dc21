#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
struct Verdict;

// The result of "检查程序": the verdict's headline, and its whole account in a scrollable
// monospace box, since compiler messages and outputs can be long and their columns matter. One
// per answering window, which owns it; it shows each new verdict in place of the last.
class Frm_check : public QDialog
{
    Q_OBJECT
public:
    explicit Frm_check(QWidget *window);

    // Shows the verdict of the check of the task file named in the caption: the attempt'th check of
    // the task, after one that gave the headline previous (empty for the first).
    void showVerdict(const QString &fileName, const Verdict &verdict, int attempt, const QString &previous);

private:
    QLabel *Lab_verdict;
    QLabel *Lab_attempt;
    QPlainTextEdit *Txt_result;
};
