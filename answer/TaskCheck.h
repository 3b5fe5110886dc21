#pragma once

#include "judge/Judge.h"

#include <QHash>
#include <QPair>
#include <QPointer>
#include <QString>

class Frm_check;
class QuestionBank;
class QWidget;
struct ProgramSection;

// "检查程序" in an answering window: the task on show of a program tab is judged on its cases
// from the bank while the window stays usable (a busy cursor says a check runs). The verdict goes
// to the window's result window and, as its headline, to the paper, where the review finds it.
class TaskCheck
{
public:
    explicit TaskCheck(QWidget *window);

    // Checks the task on show of the section; kind is the file's: "blank", "err" or "pro". A
    // click while a check runs is ignored. A bank that cannot give the cases is told in a message.
    void start(QuestionBank *bank, ProgramSection &section, const QString &kind, const QString &folder);
    // Ends a running check without a verdict and closes the result window, as the window goes.
    void stop();

private:
    void finished(const Verdict &verdict);

    QWidget *m_window;
    Judge m_judge;
    ProgramSection *m_section = nullptr; // the task being checked, which keeps its verdict ...
    int m_task = 0;                      // ... though the student pages on meanwhile
    QString m_fileName;
    QHash<QPair<const ProgramSection *, int>, int> m_attempts; // the checks of each task
    QPointer<Frm_check> m_result;
};
