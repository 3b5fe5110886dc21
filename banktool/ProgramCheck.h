#pragma once

#include "banktool/BankSource.h"
#include "judge/BoundedProcess.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class ProofCache;

// Proves the bank's program tasks with the system C compiler: every program a student is shown as
// right must compile without a warning and print what the task says it prints. The programs are
// compiled and run as "检查程序" compiles and runs a student's, in its sandbox and within its
// bounds, so a reference the bank proves never fails a student's check on a bound.
namespace ProgramCheck {

struct Settings
{
    QString compiler = QStringLiteral("gcc");
    QStringList flags = {QStringLiteral("-std=c99"), QStringLiteral("-Wall"), QStringLiteral("-Wextra")};
    // Programs that are run are also built to stop at undefined behaviour (an index out of
    // bounds, signed overflow, ...), so a program cannot print the right answer by luck.
    QStringList runFlags = {QStringLiteral("-fsanitize=undefined"), QStringLiteral("-fno-sanitize-recover=undefined")};
    // Algorithms are taught code meant to be copied: they also run under the address checker (out
    // of bounds, use after free, leaks), on their edge inputs as well.
    QStringList addressFlags = {QStringLiteral("-fsanitize=address")};
};

struct Compiled
{
    bool ok = false;    // an executable (or object file) was produced
    bool clean = false; // ... and the compiler said nothing
    QString messages;   // what the compiler said
};

// Compiles source (written as dir/name) into dir/<name without .c>; with link false only into an
// object file, for skeletons that leave functions to the student.
Compiled compile(const Settings &settings, const QString &source, const QString &dir, const QString &name,
                 bool link = true);
// Runs a compiled program in dir with input on its standard input, as a student's program runs on a
// case (under the address checker with the memory check's bounds).
RunResult run(const Settings &settings, const QString &program, const QString &dir, const QString &input);

// The fill-in program with fill k in place of ___k___.
QString fillBlanks(const QString &program, const QStringList &fills);
// The number of faults a correction task's title states ("程序中有 2 处错误"), or -1.
int statedFaults(const QString &title);
// Empty when the outputs agree as a student's output must agree (OutputComparison), otherwise a
// short account of the first difference.
QString outputDifference(const QString &expected, const QString &actual);

// Each returns the task's problems as "file:line: label: message"; none when it is proven.
QStringList checkBlank(const ProgramTask &task, const QString &label, const Settings &settings);
QStringList checkErr(const ProgramTask &task, const QString &label, const Settings &settings);
// position: the task's place in its section from 1, which names its data file data_<position>1.dat
QStringList checkPro(const ProgramTask &task, int position, const QString &label, const Settings &settings);
QStringList checkAlgorithm(const AlgorithmSource &algorithm, const QString &label, const Settings &settings);

struct Check
{
    SourcePlace place;
    QString label; // e.g. "chapter 03, fill-in 2"
    std::function<QStringList(const Settings &)> run;
    QByteArray material; // all the proof depends on; the proof cache's key
};

// One check for every fill-in, correction and programming task and every algorithm.
QList<Check> checksOf(const BankSource &bank);
// Runs the checks on a few threads; the result i belongs to check i. With a cache, a check it holds
// as proven is not run again (and has no problems), and each check that passes is added to it.
QList<QStringList> runChecks(const QList<Check> &checks, const Settings &settings, int threads, ProofCache *cache = nullptr);

}
