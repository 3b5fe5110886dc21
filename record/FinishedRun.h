#pragma once

#include "data/QuestionBank.h"
#include "judge/Verdict.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// What kind of run a record row is.
enum class RunKind { Test = 1, Exercise = 2, NotebookPractice = 3 };
// 测试, 单元练习, 错题练习
QString runKindName(RunKind kind);

// Which bank a run's questions came from: question ids mean something only within one bank.
struct BankIdentity
{
    QString fileName; // as the student knows it, e.g. c_qiyuan.db
    QString hash;     // of the file's content, in hex; empty when it cannot be read

    static BankIdentity of(const QString &path);
};

// One question of a finished run, as the record keeps it.
struct AnsweredQuestion
{
    QString table; // the bank table it came from, c_test or c_excer
    int id = 0;    // its key there
    QuestionKind kind = QuestionKind::Choice;
    int chosen = 0;                     // a choice question: option 1..4, 0 when left blank
    std::optional<VerdictKind> verdict; // a task: its last check, none when never checked
    bool right = false;                 // chosen the key, or the task passed
    QString summary;                    // the beginning of its text, for the notebook's list
};

// One press of 检查程序 during a run.
struct RecordedCheck
{
    QString table;
    int id = 0;
    QDateTime at;
    VerdictKind verdict = VerdictKind::CannotCheck;
    QByteArray sourceHash; // of the file checked, so the same source checked twice shows
};

// A finished test, unit exercise or notebook practice, handed over to be recorded.
struct FinishedRun
{
    RunKind kind = RunKind::Test;
    QString subject; // the test set's number ("3") or the chapter's id ("02"); empty for notebook practice
    QString title;   // what the student saw it called: "第三套练习题", the chapter's title
    BankIdentity bank;
    QDateTime started;
    int seconds = 0;
    int score = 0; // out of 100
    QList<AnsweredQuestion> questions;
    QList<RecordedCheck> checks;
};
