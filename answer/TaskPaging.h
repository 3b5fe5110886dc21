#pragma once

#include "answer/AnsweringControls.h"

#include <QString>

class TaskCheck;
struct ProgramSection;

// One program tab of an answering window (fill-in, error correction or programming): paging
// through its tasks, opening the task on show in the C editor and checking it. The buttons are never disabled;
// at either end a click only writes the same task again.
class TaskPaging
{
public:
    TaskPaging(ProgramSection &section, const AnsweringControls::TaskTab &tab);

    void show();            // "【n】" + the task's text
    void next();
    void previous();
    // The task's source file in the paper's work folder, or the editor alone when it is missing;
    // a box tells the student when no program could be started.
    void openInEditor(const QString &folder);
    // "检查程序" on the task on show.
    void check(TaskCheck &check, const QString &folder);

private:
    ProgramSection &m_section;
    AnsweringControls::TaskTab m_tab;
};
