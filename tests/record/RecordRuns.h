#pragma once

#include "record/FinishedRun.h"

// Runs as a test hands them to the record: built from short descriptions of their questions.
namespace RecordRuns {

inline const BankIdentity kBank{QStringLiteral("c_qiyuan.db"), QStringLiteral("aaaa")};
inline const BankIdentity kOtherBank{QStringLiteral("c_qiyuan.mdb"), QStringLiteral("bbbb")};

inline AnsweredQuestion choice(int id, int chosen, bool right, const QString &table = QStringLiteral("c_test"))
{
    AnsweredQuestion question;
    question.table = table;
    question.id = id;
    question.chosen = chosen;
    question.right = right;
    question.summary = QStringLiteral("选择题 %1").arg(id);
    return question;
}

inline AnsweredQuestion task(QuestionKind kind, int id, std::optional<VerdictKind> verdict)
{
    AnsweredQuestion question;
    question.table = QStringLiteral("c_test");
    question.id = id;
    question.kind = kind;
    question.verdict = verdict;
    question.right = verdict == VerdictKind::Passed;
    question.summary = QStringLiteral("程序题 %1").arg(id);
    return question;
}

inline FinishedRun run(QList<AnsweredQuestion> questions, RunKind kind = RunKind::Test, const QString &subject = "1",
                       int score = 60, const BankIdentity &bank = kBank)
{
    static qint64 clock = 1'800'000'000; // each run a minute after the one before
    clock += 60;
    FinishedRun run;
    run.kind = kind;
    run.subject = subject;
    run.title = kind == RunKind::Test ? QStringLiteral("第%1套练习题").arg(subject) : QStringLiteral("单元 %1").arg(subject);
    run.bank = bank;
    run.started = QDateTime::fromSecsSinceEpoch(clock);
    run.seconds = 723;
    run.score = score;
    run.questions = std::move(questions);
    return run;
}

}
