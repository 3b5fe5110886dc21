#pragma once

#include "data/QuestionBank.h"

#include <QString>
#include <memory>

// Opens the question bank in a file, in the format its first bytes show: a Jet database (the
// bank of older installations) or the program's own SQLite bank. Anything else goes to the
// SQLite store, which refuses it as no valid bank. Throws BankError naming the file and cause.
std::unique_ptr<QuestionBank> openQuestionBank(const QString &path);
