#pragma once

#include "paper/PaperLoader.h"

// The exercise paper: table c_excer of chapter chapter_id, into ExercisePaper and the exercise
// work folder, which the exercise load sets and creates itself.
namespace ExercisePaperLoad {
void setFolder();      // exer_path = the exercise work folder
void createFolder();   // that folder created level by level under the work base
PaperLoader loader();
inline const QString setName = QStringLiteral("本单元练习");
}
