#pragma once

#include "paper/PaperLoader.h"

class QuestionBank;

// The test paper: table c_test of the given test set, into the paper and the test work folder.
namespace TestPaperLoad {
// bank may be null (not opened): the load then fails with a BankError.
PaperLoader loader(QuestionBank *bank, int group, Paper &paper, const QString &folder);
inline const QString setName = QStringLiteral("本套练习题");
}
