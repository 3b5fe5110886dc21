#pragma once

#include "judge/CompilerMessages.h"
#include "judge/RunLimits.h"
#include "judge/Sandbox.h"
#include "judge/SanitizerReport.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class VerdictKind {
    Passed,        // 全部通过 (k/k)
    CompiledOnly,  // 编译通过, but the task has no cases
    NoCompiler,    // 没有找到 C 编译器
    MissingFile,   // 找不到文件
    BlanksLeft,    // 还有空没有填
    FixedTextChanged, // 改动了不能改动的地方: a fill-in file changed outside its blanks
    TooManyChanges,   // 改动太多: a correction changed more lines than the task has faults
    CompileError,  // 编译错误
    TimeLimit,     // 运行超时
    RunError,      // 运行出错: exit status, signal, or a bound other than time
    WrongOutput,   // 输出不正确
    MemoryError,   // the output was right, but the memory checkers found a fault (数组越界, ...)
    FormatError,   // 格式错误: the output differs only in blanks and line breaks
    CannotCheck,   // the check itself failed (no temporary folder, the program would not start)
};

// The case a program failed on. A hidden case carries only its number and description.
struct FailedCase
{
    int number = 0;
    bool hidden = false;
    QString description;
    QString input;
    QString dataName; // the data file the case ran with, if any ...
    QString data;     // ... and its text
    QString expected;
    QString actual;
    QString errors;                 // what it wrote to standard error
    qsizetype firstDifference = -1; // the first differing line of the output, from 0
};

// The second build, with the checkers for memory faults and undefined behaviour, run on the cases
// after they all passed.
enum class MemoryCheck {
    NotRun,  // the cases did not all pass
    Clean,   // nothing found, or only notes (a leak)
    Found,   // MemoryError
    Skipped, // the checkers are missing or could not run: memoryCheckSkipped says why
};

struct Verdict
{
    VerdictKind kind = VerdictKind::CannotCheck;
    int passed = 0; // cases passed
    int total = 0;  // cases of the task
    int hiddenTotal = 0;
    QString file;              // the student's file
    QStringList compilers;     // NoCompiler: the names looked for
    QList<int> blanks;         // BlanksLeft: the numbers k of the blanks not filled; otherwise of every blank
    QStringList fills;         // a fill-in file: what the student wrote for each blank, in order
    int changedLine = 0;       // FixedTextChanged: the first line changed outside the blanks
    int faults = 0;            // TooManyChanges: the lines the task allows to change ...
    QList<int> changedLines;   // ... and the lines of the student's file that changed
    QList<int> removedLines;   // ... and the lines of the handed-out file removed
    QString compilerMessages;  // CompileError: its first messages; otherwise its warnings, if any
    QList<CompilerMessage> compilerNotes; // the same, read one by one
    QList<int> errorLines;     // CompileError: the lines of the student's file where the errors most likely are
    FailedCase failedCase;     // TimeLimit, RunError, WrongOutput, FormatError, MemoryError
    Bound bound = Bound::None; // TimeLimit, RunError: the bound the run was stopped at
    RunLimits limits;          // the bounds the runs had
    Isolation isolation = Isolation::Sandboxed; // where the runs were
    bool crashed = false;      // RunError: ended by a signal ...
    int exitCode = 0;          // ... whose number this is, or else its exit status
    QString problem;           // CannotCheck: why
    MemoryCheck memoryCheck = MemoryCheck::NotRun;
    QString memoryCheckSkipped;       // Skipped: why
    QList<SanitizerFinding> findings; // MemoryError: the fault first; the notes (leaks) of any check that ran
};

// Whether the check passes the file: all its cases passed, or, for a task without cases, it compiled.
inline bool passes(const Verdict &verdict)
{
    return verdict.kind == VerdictKind::Passed || verdict.kind == VerdictKind::CompiledOnly;
}
