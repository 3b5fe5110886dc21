#pragma once

#include "banktool/BankSource.h"

#include <QStringList>

// Repeated questions: every choice question is compared with every other, in all chapters and test
// sets, and so is every task's right program with every other.
//
// Texts are compared in their compatibility form (NFKC: full-width letters, digits and brackets
// become their ASCII forms) with all blanks removed, so layout and spacing never hide a repeat.
// A choice question is its title with its options as a set: the same question with its options
// shuffled is the same question. A task is its right program (filled, corrected or reference).
//  - exact repeat (an error): equal after that normalisation;
//  - near repeat (a warning): equal once every number is replaced by a placeholder as well, i.e.
//    the same code or text with only numbers changed; or, for choice questions, the same code in
//    the title (its ASCII characters, numbers replaced, at least 30 of them) asked in other words
//    or with other options.
// Tasks that do the same with other names or in other words are not caught: that is for review.
namespace Duplicates {

// Appends "file:line: message" entries naming both places.
void find(const BankSource &bank, QStringList &errors, QStringList &warnings);

}
