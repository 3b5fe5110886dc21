#include "answer/TaskCheck.h"

#include "answer/Frm_check.h"
#include "data/BankError.h"
#include "data/QuestionBank.h"
#include "judge/VerdictText.h"
#include "paper/Paper.h"
#include "paper/PaperLoader.h"
#include "platform/MessageBox.h"
#include "workfiles/TaskFiles.h"
#include "workfiles/WorkFolders.h"

#include <QWidget>

namespace {

TaskKind taskKind(const QString &kind)
{
    if (kind == u"blank")
        return TaskKind::FillIn;
    if (kind == u"err")
        return TaskKind::Correction;
    return TaskKind::Programming;
}

QList<JudgeCase> casesOf(QuestionBank &bank, const ProgramSection &section, int task)
{
    QList<JudgeCase> cases;
    for (const Record &row : bank.cases(section.bankTable, section.bankId(task)))
        cases << caseOfRow([&row](const QString &field) { return row.text(field); });
    return cases;
}

}

TaskCheck::TaskCheck(QWidget *window) : m_window(window)
{
    QObject::connect(&m_judge, &Judge::finished, window, [this](const Verdict &verdict) { finished(verdict); });
}

void TaskCheck::start(QuestionBank *bank, ProgramSection &section, const QString &kind, const QString &folder)
{
    if (m_judge.isRunning())
        return;
    if (section.count == 0) {
        MessageBox::show(m_window, QStringLiteral("这一题型没有题目，没有程序可以检查。"), QStringLiteral("检查程序"),
                         QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    const int task = section.current;
    JudgeTask judgeTask;
    judgeTask.kind = taskKind(kind);
    judgeTask.sourcePath = WorkFolders::join(folder, TaskFiles::sourceName(kind, task));
    judgeTask.dataName = section.dataFile(task);
    judgeTask.handedOut = section.handedOut(task);
    try {
        judgeTask.cases = casesOf(PaperLoader::opened(bank), section, task);
        if (judgeTask.kind == TaskKind::Correction)
            judgeTask.faults = PaperLoader::opened(bank).faults(section.bankTable, section.bankId(task));
    } catch (const BankError &e) {
        MessageBox::show(m_window, QStringLiteral("无法从题库读出这道题的测试数据：%1").arg(e.message()),
                         QStringLiteral("检查程序"), QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    m_section = &section;
    m_task = task;
    m_fileName = TaskFiles::sourceName(kind, task);
    m_window->setCursor(Qt::BusyCursor);
    m_judge.start(judgeTask);
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
    // The count starts again with each paper, whose verdicts start empty.
    const QString previous = m_section->verdict(m_task);
    int &attempts = m_attempts[{m_section, m_task}];
    attempts = previous.isEmpty() ? 1 : attempts + 1;
    m_section->verdict(m_task) = VerdictText::headline(verdict);
    if (!m_result)
        m_result = new Frm_check(m_window);
    m_result->showVerdict(m_fileName, verdict, attempts, previous);
}
