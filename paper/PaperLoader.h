#pragma once

#include "data/QuestionBank.h"
#include "paper/Paper.h"

#include <QString>
#include <QStringList>
#include <functional>

// Fills a Paper from the bank and writes the program tasks into a work folder. The test and the
// exercise loaders differ only in their table's field names, the rows they ask for and the folder;
// each step here is one step of a run's load, called in the load's order.
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
        std::function<RecordSet(int id)> cases;          // the cases of the task of that id
        std::function<int(int id)> faults;               // the wrong lines of the correction of that id
    };

    // Fills an empty paper and writes the task files into folder, the work folder of the run.
    PaperLoader(Paper &paper, QString folder, Source source);

    // The bank a source reads; a BankError when it is not open (null).
    static QuestionBank &opened(QuestionBank *bank);

    void startAtFirst();   // every section at its question 1
    void loadChoices();
    void loadTasks(QuestionKind kind);   // Blank, Err or Pro with their cases, writing the task files

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
    QString m_folder;
    Source m_source;
    QList<Cut> m_cuts;
};
