#include "paper/ExercisePaperLoad.h"

#include "data/BankError.h"

PaperLoader ExercisePaperLoad::loader(QuestionBank *bank, const QString &chapterId, Paper &paper,
                                      const QString &folder)
{
    PaperLoader::Source source{
        {QStringLiteral("ch_1"), QStringLiteral("ch_2"), QStringLiteral("ch_3"), QStringLiteral("ch_4")},
        QStringLiteral("answer"),
        [bank, chapterId](QuestionKind kind) {
            if (!bank)
                throw BankError(QStringLiteral("题库没有打开。"));
            return bank->exerciseQuestions(kind, chapterId);
        },
    };
    return PaperLoader(paper, WorkKind::Exercise, folder, std::move(source));
}
