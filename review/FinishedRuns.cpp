#include "review/FinishedRuns.h"

#include "paper/Score.h"
#include "state/Runs.h"

namespace {

QuestionKind questionKind(TaskKind kind)
{
    switch (kind) {
    case TaskKind::FillIn: return QuestionKind::Blank;
    case TaskKind::Correction: return QuestionKind::Err;
    case TaskKind::Programming: return QuestionKind::Pro;
    }
    return QuestionKind::Pro;
}

// Enough of a question's text to know it again in the notebook's list; a cut one says so, or its
// last words would read as the question's end.
QString summary(const QString &title)
{
    constexpr int kLength = 80;
    const QString text = title.simplified();
    return text.size() <= kLength ? text : text.left(kLength - 1) + QChar(0x2026);
}

void addPaper(FinishedRun &finished, const Paper &paper)
{
    for (int n = 1; n <= paper.ch.count; ++n) {
        const ChoiceQuestion &question = paper.ch(n);
        AnsweredQuestion answered;
        answered.table = question.bankTable;
        answered.id = question.bankId;
        answered.chosen = question.chosen;
        answered.right = question.right();
        answered.summary = summary(question.title);
        finished.questions << answered;
    }
    for (const ProgramSection *section : paper.sections()) {
        for (int n = 1; n <= section->count; ++n) {
            const Task &task = (*section)(n);
            AnsweredQuestion answered;
            answered.table = task.bankTable;
            answered.id = task.bankId;
            answered.kind = questionKind(section->kind);
            if (task.verdict)
                answered.verdict = task.verdict->kind;
            answered.right = task.passed();
            answered.summary = summary(task.title);
            finished.questions << answered;
            if (task.verdict)
                finished.checks.append({task.bankTable, task.bankId, QDateTime::currentDateTime(), task.verdict->kind,
                                        task.checkedSource});
        }
    }
    finished.score = Score::of(paper).points;
}

}

FinishedRun FinishedRuns::of(const TestRun &run, const BankIdentity &bank)
{
    FinishedRun finished;
    finished.kind = RunKind::Test;
    finished.subject = QString::number(run.group);
    finished.title = QStringLiteral("第%1套练习题").arg(run.group);
    finished.bank = bank;
    finished.started = run.started;
    finished.seconds = run.test_clock;
    addPaper(finished, run.TestPaper);
    return finished;
}

FinishedRun FinishedRuns::of(const ExerciseRun &run, const BankIdentity &bank)
{
    FinishedRun finished;
    finished.kind = run.fromNotebook ? RunKind::NotebookPractice : RunKind::Exercise;
    finished.subject = run.chapterId;
    finished.title = run.chapterTitle;
    finished.bank = bank;
    finished.started = run.started;
    finished.seconds = run.seconds;
    addPaper(finished, run.ExercisePaper);
    return finished;
}
