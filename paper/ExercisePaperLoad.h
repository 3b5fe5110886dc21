#pragma once

#include "paper/PaperLoader.h"

class QuestionBank;

// The exercise paper: table c_excer of the given chapter, into the paper and the exercise work
// folder.
namespace ExercisePaperLoad {
// bank may be null (not opened): the load then fails with a BankError.
PaperLoader loader(QuestionBank *bank, const QString &chapterId, Paper &paper, const QString &folder);
inline const QString setName = QStringLiteral("本单元练习");
}
