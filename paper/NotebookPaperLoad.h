#pragma once

#include "paper/PaperLoader.h"

class QuestionBank;

// The notebook practice's paper: questions picked one by one from c_test and c_excer alike, into
// the exercise work folder. A question the bank does not hold as the kind it was picked as (the
// learning record is the user's file, and may name anything) is left out.
namespace NotebookPaperLoad {
// bank may be null (not opened): the load then fails with a BankError.
PaperLoader loader(QuestionBank *bank, const QuestionPick &pick, Paper &paper, const QString &folder);
inline const QString setName = QStringLiteral("本次错题练习");
}
