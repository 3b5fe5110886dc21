#include "answer/TaskCheck.h"

#include "answer/Frm_check.h"
#include "judge/VerdictText.h"
#include "paper/Paper.h"
#include "platform/MessageBox.h"

#include <QWidget>

TaskCheck::TaskCheck(QWidget *window) : m_window(window)
{
    QObject::connect(&m_judge, &Judge::finished, window, [this](const Verdict &verdict) { finished(verdict); });
}

void TaskCheck::start(ProgramSection &section, const QString &folder)
{
    if (m_judge.isRunning())
        return;
    if (section.count == 0) {
        MessageBox::show(m_window, QStringLiteral("这一题型没有题目，没有程序可以检查。"), QStringLiteral("检查程序"),
                         QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    m_task = &section(section.current);
    m_source = m_task->sourceDigest(folder);
    m_window->setCursor(Qt::BusyCursor);
    m_judge.start(m_task->judgeTask(folder));
}

bool TaskCheck::isChecking(const Task &task, const QByteArray &source) const
{
    return m_judge.isRunning() && m_task == &task && m_source == source;
}

void TaskCheck::stop()
{
    m_judge.stop();
    m_window->unsetCursor();
    if (m_result)
        m_result->close();
}

void TaskCheck::finished(const Verdict &verdict)
{
    m_window->unsetCursor();
    const QString previous = m_task->verdict ? VerdictText::headline(*m_task->verdict) : QString();
    m_task->verdict = verdict;
    m_task->checkedSource = m_source;
    ++m_task->checks;
    if (!m_result)
        m_result = new Frm_check(m_window);
    m_result->showVerdict(m_task->fileName, verdict, m_task->checks, previous);
}
