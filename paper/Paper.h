#pragma once

#include "judge/JudgeTask.h"
#include "judge/Verdict.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// A fixed-size array indexed from 1, as the question numbers on screen are. An index outside the
// bounds is a programming fault: it never writes out of bounds, it stops the program loudly.
template <typename T>
class OneBased
{
public:
    explicit OneBased(int size) : m_items(std::size_t(size)) {}

    T &operator()(int i) { return m_items[checked(i)]; }
    const T &operator()(int i) const { return m_items[checked(i)]; }
    int size() const { return int(m_items.size()); }

private:
    std::size_t checked(int i) const;
    std::vector<T> m_items;
};

[[noreturn]] void paperIndexFault(int index, int size);

template <typename T>
std::size_t OneBased<T>::checked(int i) const
{
    if (i < 1 || i > size())
        paperIndexFault(i, size());
    return std::size_t(i - 1);
}

// One choice question as it is asked and answered.
struct ChoiceQuestion
{
    QString bankTable; // where it comes from, c_test or c_excer
    int bankId = 0;
    QString title;
    std::array<QString, 4> options; // as shown: "[A] " and the option's text
    QString explain;
    QString answer;                 // the key, "A".."D"
    int chosen = 0;                 // the option picked, 1..4; 0 while none is

    // option(k), k = 1..4; any other k is a programming fault.
    const QString &option(int k) const;
    QString &option(int k);
    bool answered() const { return chosen >= 1 && chosen <= 4; }
    bool right() const;
};

struct ChoiceSection
{
    static constexpr int capacity = 10;
    ChoiceQuestion &operator()(int n) { return questions(n); }
    const ChoiceQuestion &operator()(int n) const { return questions(n); }

    OneBased<ChoiceQuestion> questions{capacity};
    int current = 0;
    int count = 0;
};

// One program task (fill-in, correction or programming): what the student is shown, the file
// they work in, the cases it is judged on and what its last check found.
struct Task
{
    TaskKind kind = TaskKind::Programming;
    QString bankTable; // where it comes from, c_test or c_excer
    int bankId = 0;
    QString title;
    QString explain;
    QString answer;               // the reference answer
    QString fileName;             // "blank_2.c" in the run's work folder
    QString dataFile;             // the data file the task reads ("data_21.dat"), else empty
    QString handedOut;            // the program written into the file, which a check holds the student's against
    int faults = 0;               // correction: the lines that are wrong; 0 when the bank does not say
    QList<JudgeCase> cases;
    std::optional<Verdict> verdict; // the last check, none before one
    QByteArray checkedSource;       // a digest of the file as that check read it
    int checks = 0;                 // the checks of the file in this run

    bool passed() const;
    // What the judge is given for the task's file in the run's folder.
    JudgeTask judgeTask(const QString &folder) const;
    // A digest of the file as it is now; empty when it cannot be read.
    QByteArray sourceDigest(const QString &folder) const;
    // Whether the file was worked on since it was handed out and changed since its last check,
    // so that only a new check can say whether it passes.
    bool changedSinceCheck(const QString &folder) const;
};

struct ProgramSection
{
    ProgramSection(TaskKind kind, int capacity) : kind(kind), capacity(capacity), tasks(capacity) {}
    Task &operator()(int n) { return tasks(n); }
    const Task &operator()(int n) const { return tasks(n); }

    const TaskKind kind;
    const int capacity;
    OneBased<Task> tasks;
    int current = 0;
    int count = 0;
};

// The file of task n of a kind in the work folder: "blank_2.c", "err_1.c", "pro_3.c".
QString taskFileName(TaskKind kind, int n);

// One loaded question set: the choice section and the three program sections.
struct Paper
{
    explicit Paper(int programCapacity)
        : blank(TaskKind::FillIn, programCapacity), err(TaskKind::Correction, programCapacity),
          pro(TaskKind::Programming, programCapacity)
    {
    }

    std::array<ProgramSection *, 3> sections() { return {&blank, &err, &pro}; }
    std::array<const ProgramSection *, 3> sections() const { return {&blank, &err, &pro}; }

    ChoiceSection ch;
    ProgramSection blank;
    ProgramSection err;
    ProgramSection pro;
};
