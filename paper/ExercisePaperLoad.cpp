#include "paper/ExercisePaperLoad.h"

PaperLoader ExercisePaperLoad::loader(QuestionBank *bank, const QString &chapterId, Paper &paper,
                                      const QString &folder)
{
    return PaperLoader(paper, folder, bank, [chapterId](QuestionBank &bank, QuestionKind kind) {
        return PaperLoader::ofTable(QuestionTable::exercise, bank.exerciseQuestions(kind, chapterId));
    });
}
