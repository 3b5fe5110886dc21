#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The bank's YAML sources, read into memory with the place each item came from, so that every
// complaint can name its file and line.
struct SourcePlace
{
    QString file;
    int line = 0;
    QString where() const { return QStringLiteral("%1:%2").arg(file).arg(line); }
};

// A question imported from an old bank (`legacy: true`) keeps its texts exactly as they stood
// and is not proven: an old bank holds none of the material that proves a task.
struct ChoiceQuestion
{
    SourcePlace place;
    bool legacy = false;
    QString title;
    QStringList options;
    QString answer;
    SourcePlace answerPlace; // the line of 'answer:', where a fault of the key is reported
    QString explain;
};

// One run of a task's program beyond its example: what it reads and what it must print. Hidden
// cases are never shown to the student, so printing the example's output does not pass them.
struct TaskCase
{
    SourcePlace place;
    QString input;        // standard input
    QString data;         // the data file's text, for a task with a data file
    QString output;       // what the proven program prints
    bool hidden = true;
    QString about;        // what kind of input it holds ("只有一个数"), told when a hidden case fails
};

// A fill-in, correction or programming task, with the material that proves it right.
struct ProgramTask
{
    SourcePlace place;
    bool legacy = false;
    QString title;
    QString program;      // what the student gets: blanks ___k___, the faulty program, or the skeleton
    QString answer;       // the answer field of the bank
    QString explain;
    QStringList fills;    // fill-in: fill k for blank ___k___
    QString corrected;    // correction: the right program
    int faults = 0;       // correction: how many lines are wrong
    bool hasData = false; // programming: whether a data file goes with the task
    QString data;         // programming: the data file's text
    QString dataFile;     // legacy programming: the bank's data_file mark, when not data_i1.dat
    QString input;        // standard input of the check run
    QString output;       // what the proven program prints
    QList<TaskCase> cases; // further cases, each proven like the example above
};

// The data file of the task at position (from 1) in its section: data_11.dat for the first.
inline QString dataFileName(int position) { return QStringLiteral("data_%1%2.dat").arg(position).arg(1); }

struct QuestionSet
{
    QList<ChoiceQuestion> choice;
    QList<ProgramTask> blank;
    QList<ProgramTask> err;
    QList<ProgramTask> pro;
};

struct ChapterSource
{
    SourcePlace place;
    QString id;
    QString title;
    QString study;        // Markdown
    std::optional<QString> studyRtf; // an imported chapter's RTF, stored as it stands
    SourcePlace studyPlace;
    QuestionSet exercise;
};

struct TestSetSource
{
    SourcePlace place;
    int group = 0;
    QuestionSet questions;
};

struct AlgorithmSource
{
    SourcePlace place;
    QString id;
    QString title;
    QString description;  // Markdown
    QString program;
    QString input;
    QString output;
    QList<TaskCase> cases; // edge inputs the program must handle too
    std::optional<QString> contentRtf; // an imported algorithm's RTF, in place of all the above
};

struct BankSource
{
    QList<ChapterSource> chapters;
    QList<TestSetSource> testSets;
    QList<AlgorithmSource> algorithms;
};

// Reads bank/chapters/*.yaml, bank/tests/*.yaml and bank/algorithms/*.yaml below the folder and
// checks the shape of each item. Every fault found is appended to errors as "file:line: message",
// in the user's language. The rules that span the course are CourseRules'.
BankSource readBankSource(const QString &folder, QStringList &errors);
