#include "paper/ExercisePaperLoad.h"

PaperLoader ExercisePaperLoad::loader(QuestionBank *bank, const QString &chapterId, Paper &paper,
                                      const QString &folder)
{
    PaperLoader::Source source{
        {QStringLiteral("ch_1"), QStringLiteral("ch_2"), QStringLiteral("ch_3"), QStringLiteral("ch_4")},
        QStringLiteral("answer"),
        [bank, chapterId](QuestionKind kind) { return PaperLoader::opened(bank).exerciseQuestions(kind, chapterId); },
        QStringLiteral("c_excer"),
        QStringLiteral("id_test"),
        [bank](int id) { return PaperLoader::opened(bank).cases(QStringLiteral("c_excer"), id); },
        [bank](int id) { return PaperLoader::opened(bank).faults(QStringLiteral("c_excer"), id); },
    };
    return PaperLoader(paper, folder, std::move(source));
}
