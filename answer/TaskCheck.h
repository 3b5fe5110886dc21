#pragma once

#include "judge/Judge.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

class Frm_check;
class QWidget;
struct ProgramSection;
struct Task;

// "检查程序" in an answering window: the task on show of a program tab is judged on its cases
// while the window stays usable (a busy cursor says a check runs). The verdict goes to the
// window's result window and to the task, where the review and the score find it.
class TaskCheck
{
public:
    explicit TaskCheck(QWidget *window);

    // Checks the task on show of the section, whose file is in folder. A click while a check
    // runs is ignored.
    void start(ProgramSection &section, const QString &folder);
    // Whether a check of task runs on its file as it was when source was its digest.
    bool isChecking(const Task &task, const QByteArray &source) const;
    // Ends a running check without a verdict and closes the result window, as the window goes.
    void stop();

private:
    void finished(const Verdict &verdict);

    QWidget *m_window;
    Judge m_judge;
    Task *m_task = nullptr; // the task being checked, which keeps its verdict though the student pages on
    QByteArray m_source;    // the digest of its file as the check began
    QPointer<Frm_check> m_result;
};
