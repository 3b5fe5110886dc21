#pragma once

#include <QList>
#include <QString>
#include <functional>

// One run a student's program must pass.
struct JudgeCase
{
    int number = 0;      // the student sees it as 测试 k, or 隐藏测试 k when hidden
    bool hidden = false; // its input and output are never shown
    QString description; // for a hidden case: what kind of input it holds ("只有一个数"); may be empty
    QString input;       // standard input
    QString data;        // the data file's text, when the task reads one; "" is an empty file
    QString expected;    // the standard output it must print
};

// A case as the bank holds it (a row of c_case): field(name) gives the text of a field.
JudgeCase caseOfRow(const std::function<QString(const QString &name)> &field);

// A case's data file as a run finds it: as the task's file is handed out, in the system's code page
// and ending with CR LF; empty data is an empty file.
QByteArray dataFileBytes(const QString &data);

enum class TaskKind { FillIn, Correction, Programming };

// A program task as the student has it: the file they edited and the cases it is judged on.
struct JudgeTask
{
    TaskKind kind = TaskKind::Programming;
    QString sourcePath; // blank_i.c, err_i.c or pro_i.c in the work folder
    QString dataName;   // "data_11.dat" when the task reads a data file, else empty
    QList<JudgeCase> cases;
    QString handedOut{}; // the program as handed out: fill-in blanks ___k___, or the faulty program
    int faults = 0;     // correction: how many lines are wrong; 0 when the bank does not say
    bool checkMemory = true; // after the cases pass, build and run once more with the memory checkers
};
