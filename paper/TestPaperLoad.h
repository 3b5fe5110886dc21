#pragma once

#include "paper/PaperLoader.h"

// The test paper: table c_test of set group_no, into TestPaper and the test work folder.
namespace TestPaperLoad {
PaperLoader loader();
inline const QString setName = QStringLiteral("本套练习题");
}
