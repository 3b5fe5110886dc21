#include "paper/TestPaperLoad.h"

PaperLoader TestPaperLoad::loader(QuestionBank *bank, int group, Paper &paper, const QString &folder)
{
    PaperLoader::Source source{
        {QStringLiteral("ch1"), QStringLiteral("ch2"), QStringLiteral("ch3"), QStringLiteral("ch4")},
        QStringLiteral("ch_answer"),
        [bank, group](QuestionKind kind) { return PaperLoader::opened(bank).testQuestions(kind, group); },
        QStringLiteral("c_test"),
        QStringLiteral("id"),
        [bank](int id) { return PaperLoader::opened(bank).cases(QStringLiteral("c_test"), id); },
        [bank](int id) { return PaperLoader::opened(bank).faults(QStringLiteral("c_test"), id); },
    };
    return PaperLoader(paper, folder, std::move(source));
}
