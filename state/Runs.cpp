#include "state/Runs.h"

#include "data/BankError.h"
#include "paper/ExercisePaperLoad.h"
#include "paper/NotebookPaperLoad.h"
#include "paper/TestPaperLoad.h"
#include "workfiles/CleanUp.h"
#include "workfiles/WorkFolderLock.h"
#include "workfiles/WorkFolders.h"

namespace {

void load(PaperLoader &loader)
{
    loader.startAtFirst();
    loader.loadChoices();
    loader.loadTasks(QuestionKind::Blank);
    loader.loadTasks(QuestionKind::Err);
    loader.loadTasks(QuestionKind::Pro);
}

}

std::shared_ptr<TestRun> TestRun::start(QuestionBank &bank, int group)
{
    auto run = std::make_shared<TestRun>();
    run->group = group;
    run->started = QDateTime::currentDateTime();
    run->test_path = WorkFolders::ready(WorkKind::Test);
    // Held until the test window goes; given back at once when the test cannot start.
    WorkFolderLock::take(WorkKind::Test, run->test_path);
    try {
        CleanUp::emptyFolderIfAny(WorkKind::Test, run->test_path,
                                  {QStringLiteral("*.exe"), QStringLiteral("*.cpp"), QStringLiteral("*.c")});
        PaperLoader loader = TestPaperLoad::loader(&bank, group, run->TestPaper, run->test_path);
        load(loader);
        run->notice = loader.overflowNotice(TestPaperLoad::setName);
    } catch (...) {
        WorkFolderLock::release(WorkKind::Test);
        throw;
    }
    return run;
}

QString ExerciseRun::readyFolder()
{
    const QString folder = WorkFolders::ready(WorkKind::Exercise);
    // Held until the exercise window goes; given back at once when the exercise cannot start.
    WorkFolderLock::take(WorkKind::Exercise, folder);
    try {
        CleanUp::emptyFolderIfAny(WorkKind::Exercise, folder, {QStringLiteral("*.c"), QStringLiteral("*.cpp")});
    } catch (...) {
        WorkFolderLock::release(WorkKind::Exercise);
        throw;
    }
    return folder;
}

namespace {

// Loads the run's paper into its ready folder; the folder is given back when the load fails.
void loadExercise(ExerciseRun &run, PaperLoader loader, const QString &setName)
{
    run.started = QDateTime::currentDateTime();
    try {
        load(loader);
        run.notice = loader.overflowNotice(setName);
    } catch (...) {
        WorkFolderLock::release(WorkKind::Exercise);
        throw;
    }
}

}

std::shared_ptr<ExerciseRun> ExerciseRun::start(QuestionBank &bank, const QString &chapterId,
                                                const QString &chapterTitle, const QString &folder)
{
    auto run = std::make_shared<ExerciseRun>();
    run->chapterId = chapterId;
    run->chapterTitle = chapterTitle;
    run->exer_path = folder;
    loadExercise(*run, ExercisePaperLoad::loader(&bank, chapterId, run->ExercisePaper, folder), ExercisePaperLoad::setName);
    return run;
}

std::shared_ptr<ExerciseRun> ExerciseRun::startPractice(QuestionBank &bank, const QuestionPick &pick,
                                                        const QString &folder)
{
    auto run = std::make_shared<ExerciseRun>();
    run->fromNotebook = true;
    run->exer_path = folder;
    const Paper &paper = run->ExercisePaper;
    loadExercise(*run, NotebookPaperLoad::loader(&bank, pick, run->ExercisePaper, folder), NotebookPaperLoad::setName);
    const int asked = paper.ch.count + paper.blank.count + paper.err.count + paper.pro.count;
    if (asked == 0) {
        WorkFolderLock::release(WorkKind::Exercise);
        throw BankError(QStringLiteral("错题本中的题目在本题库中都已找不到。"));
    }
    run->chapterTitle = QStringLiteral("错题本中的%1题").arg(asked);
    return run;
}
