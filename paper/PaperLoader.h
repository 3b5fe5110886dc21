#pragma once

#include "data/QuestionBank.h"
#include "paper/Paper.h"

#include <QString>
#include <QStringList>
#include <functional>

// How a question table of the bank names its fields.
struct QuestionTable
{
    QString name;             // c_test or c_excer
    QString idField;          // its key, which the task's cases name
    QStringList optionFields; // the four option fields, A to D
    QString answerField;      // the correct option of a choice row

    static const QuestionTable test;     // c_test
    static const QuestionTable exercise; // c_excer
    // The table of that name; null for any other.
    static const QuestionTable *named(const QString &name);
};

// Fills a Paper from the bank and writes the program tasks into a work folder. The loaders differ
// only in the rows they ask for and the folder; each row says which table it comes from. Each
// step here is one step of a run's load, called in the load's order.
class PaperLoader
{
public:
    struct Row
    {
        const QuestionTable *table;
        Record fields;
    };
    // One section's rows, in the order they are asked.
    using Rows = std::function<QList<Row>(QuestionBank &bank, QuestionKind kind)>;

    // Fills an empty paper from bank (a BankError when it is null: not open) and writes the task
    // files into folder, the work folder of the run.
    PaperLoader(Paper &paper, QString folder, QuestionBank *bank, Rows rows);

    // The rows of one table, each marked as coming from it.
    static QList<Row> ofTable(const QuestionTable &table, const RecordSet &rows);

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
    QList<Row> fetch(QuestionKind kind, int capacity);
    ProgramSection &section(QuestionKind kind);

    Paper &m_paper;
    QString m_folder;
    QuestionBank *m_bank;
    Rows m_rows;
    QList<Cut> m_cuts;
};
