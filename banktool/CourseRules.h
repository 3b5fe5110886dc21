#pragma once

#include "banktool/BankSource.h"

#include <QStringList>

// The rules the course as a whole must meet, beyond the shape of each item (BankSource): balanced
// keys, no repeats, tasks with hidden cases and a sample, study texts that really teach.
struct Findings
{
    QStringList errors;   // "file:line: message"; any one fails the bank
    QStringList warnings; // worth a look, do not fail it
};

namespace CourseRules {

// A chapter's study text has at least this many Chinese characters.
constexpr int kStudyCharacters = 800;
// Hidden cases beside the example of a task that reads input.
constexpr int kHiddenCases = 2;

// Whether a program reads standard input (a task's data file is known from its 'data').
bool readsInput(const QString &program);

Findings check(const BankSource &bank);

}
