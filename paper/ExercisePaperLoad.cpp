#include "paper/ExercisePaperLoad.h"

#include "data/BankError.h"
#include "state/Module1.h"
#include "workfiles/WorkFolders.h"

void ExercisePaperLoad::setFolder()
{
    Module1::exer_path = WorkFolders::exercisePath();
}

void ExercisePaperLoad::createFolder()
{
    CreateFolders(WorkFolders::base(), WorkFolders::belowBase(Module1::exer_path));
}

PaperLoader ExercisePaperLoad::loader()
{
    using namespace Module1;
    PaperLoader::Source source{
        {QStringLiteral("ch_1"), QStringLiteral("ch_2"), QStringLiteral("ch_3"), QStringLiteral("ch_4")},
        QStringLiteral("answer"),
        [](QuestionKind kind) {
            if (!conn)
                throw BankError(QStringLiteral("题库没有打开。"));
            return conn->exerciseQuestions(kind, chapter_id);
        },
    };
    return PaperLoader(ExercisePaper, exer_path, std::move(source));
}
