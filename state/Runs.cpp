#include "state/Runs.h"

#include "paper/ExercisePaperLoad.h"
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

std::shared_ptr<ExerciseRun> ExerciseRun::start(QuestionBank &bank, const QString &chapterId,
                                                const QString &chapterTitle, const QString &folder)
{
    auto run = std::make_shared<ExerciseRun>();
    run->chapterId = chapterId;
    run->chapterTitle = chapterTitle;
    run->started = QDateTime::currentDateTime();
    run->exer_path = folder;
    try {
        PaperLoader loader = ExercisePaperLoad::loader(&bank, chapterId, run->ExercisePaper, folder);
        load(loader);
        run->notice = loader.overflowNotice(ExercisePaperLoad::setName);
    } catch (...) {
        WorkFolderLock::release(WorkKind::Exercise);
        throw;
    }
    return run;
}
