#include "paper/TestPaperLoad.h"

PaperLoader TestPaperLoad::loader(QuestionBank *bank, int group, Paper &paper, const QString &folder)
{
    return PaperLoader(paper, folder, bank, [group](QuestionBank &bank, QuestionKind kind) {
        return PaperLoader::ofTable(QuestionTable::test, bank.testQuestions(kind, group));
    });
}
