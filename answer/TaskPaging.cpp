#include "answer/TaskPaging.h"

#include "answer/TaskCheck.h"
#include "controls/TextBox.h"
#include "paper/Paper.h"
#include "workfiles/Editor.h"
#include "workfiles/TaskFiles.h"
#include "workfiles/WorkFolders.h"

#include <QLabel>

TaskPaging::TaskPaging(ProgramSection &section, const AnsweringControls::TaskTab &tab, QString kind)
    : m_section(section), m_tab(tab), m_kind(std::move(kind))
{
}

void TaskPaging::show()
{
    m_tab.text->setText(QStringLiteral("【%1】").arg(m_section.current) + m_section.title(m_section.current));
    // The file the student edits for the task on show; no task, no file.
    m_tab.file->setText(m_section.count > 0
                            ? QStringLiteral("题目文件：\n") + TaskFiles::sourceName(m_kind, m_section.current)
                            : QString());
}

void TaskPaging::next()
{
    if (m_section.current < m_section.count)
        ++m_section.current;
    show();
}

void TaskPaging::previous()
{
    if (m_section.current > 1)
        --m_section.current;
    show();
}

void TaskPaging::openInEditor(const QString &folder)
{
    Editor::launch(m_tab.text->window(), WorkFolders::join(folder, TaskFiles::sourceName(m_kind, m_section.current)));
}

void TaskPaging::check(TaskCheck &check, QuestionBank *bank, const QString &folder)
{
    check.start(bank, m_section, m_kind, folder);
}
