#pragma once

#include "paper/AnsweringControls.h"

#include <QString>

struct ProgramSection;

// One program tab of an answering window (fill-in, error correction or programming): paging
// through its tasks and opening the task on show in the C editor. The buttons are never disabled;
// at either end a click only writes the same task again.
class TaskPaging
{
public:
    // kind is the file name's kind: "blank", "err" or "pro"; folder is the paper's work folder.
    TaskPaging(ProgramSection &section, const AnsweringControls::TaskTab &tab, QString kind, const QString &folder);

    void show();            // "【n】" + the task's text
    void next();
    void previous();
    void openInEditor();    // its source file, or the editor alone when the file is missing

private:
    ProgramSection &m_section;
    AnsweringControls::TaskTab m_tab;
    QString m_kind;
    const QString &m_folder;
};
