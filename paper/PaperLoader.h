#pragma once

#include "data/QuestionBank.h"
#include "paper/Paper.h"
#include "workfiles/WorkFolders.h"

#include <QString>
#include <QStringList>
#include <functional>

// Fills a Paper from the bank and writes the program tasks into a work folder. The test and the
// exercise loaders differ only in their table's field names, the rows they ask for and the folder;
// each step here is one step of a window's load, called in the load's order.
class PaperLoader
{
public:
    struct Source
    {
        QStringList optionFields;                        // the four option fields, A to D
        QString answerField;                             // the correct option of a choice row
        std::function<RecordSet(QuestionKind)> rows;     // one section's rows, in the bank's order
        QString table;                                   // the table the rows come from
        QString idField;                                 // its key, which the task's cases name
    };

    // Fills paper and writes the task files into folder, the work folder of the kind.
    PaperLoader(Paper &paper, WorkKind kind, QString folder, Source source);

    // The bank a source reads; a BankError when it is not open (null).
    static QuestionBank &opened(QuestionBank *bank);

    void empty();          // every text, choice and position of the paper emptied
    void clearFolder();    // all files out of the folder if it holds a C source (the student's to the history)
    void startAtFirst();   // every section at its question 1
    void loadChoices();
    void loadTasks(QuestionKind kind);   // Blank, Err or Pro, writing the task files

    // What the student is told when a section held more rows than the paper keeps; empty when
    // every row was kept. setName names the set ("本套练习题", "本单元练习").
    QString overflowNotice(const QString &setName) const;

private:
    struct Cut
    {
        QuestionKind kind;
        qsizetype rows;
        int kept;
    };

    // The section's rows, cut to what the paper can hold (the first ones are kept).
    RecordSet fetch(QuestionKind kind, int capacity);
    ProgramSection &section(QuestionKind kind);

    Paper &m_paper;
    WorkKind m_kind;
    QString m_folder;
    Source m_source;
    QList<Cut> m_cuts;
};
