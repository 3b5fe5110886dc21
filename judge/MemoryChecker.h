#pragma once

#include "judge/BoundedProcess.h"
#include "judge/JudgeTask.h"
#include "judge/Verdict.h"

#include <QObject>

// What the second build found on the cases.
struct MemoryCheckResult
{
    MemoryCheck check = MemoryCheck::Skipped;
    QString skipped;                  // Skipped: why
    QList<SanitizerFinding> findings; // the fault first, then the notes
    int faultyCase = -1;              // Found: the index of the case it showed on ...
    QByteArray output;                // ... and what the program printed there
};

// After a program passed its cases: builds it once more with the checkers for memory faults and
// undefined behaviour, and runs it on the cases again, so that a program that reads past an array
// and prints the right answer by luck is caught. The checkers reserve far more address space than
// a program may use, so the address space is left free and the checkers' own watch on resident
// memory bounds the run instead.
class MemoryChecker : public QObject
{
    Q_OBJECT

public:
    explicit MemoryChecker(QObject *parent = nullptr);

    // Builds folder/sourceName with compiler and runs the result on the task's cases, each in a
    // folder of its own below folder, in the sandbox when it is usable, as the cases ran.
    void start(const QString &compiler, const QString &folder, const QString &sourceName, const JudgeTask &task,
               const RunLimits &limits, const Sandbox *sandbox);
    void stop();

    // The bounds of a run built with the checkers, from those of a plain run: more time for their
    // slowdown, the address space left free, resident memory bounded by the environment's options.
    static RunLimits checkedLimits(const RunLimits &limits);
    static QProcessEnvironment checkedEnvironment(const RunLimits &limits);

signals:
    void finished(const MemoryCheckResult &result);

private:
    void compiled(const RunResult &result);
    void runCase();
    void caseRan(const RunResult &result);
    void finish();

    QString m_folder;
    QString m_sourceName;
    QString m_program;
    JudgeTask m_task;
    RunLimits m_limits;
    const Sandbox *m_sandbox = nullptr;
    int m_case = 0;
    MemoryCheckResult m_result;
    BoundedProcess m_compiler;
    BoundedProcess m_runner;
};
