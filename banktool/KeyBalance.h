#pragma once

#include "banktool/BankSource.h"

#include <QString>
#include <QStringList>

// The answer letters of the choice questions, so that a student cannot learn to guess one letter.
// A unit is a chapter's exercise or a test set, and holds 10 choice questions.
namespace KeyBalance {

// How often each letter is the key, per unit and over the whole bank, with each unit's key order.
QString report(const BankSource &bank);

// Faults, each "file:line: message": a unit without exactly 10 choice questions, a letter that is
// the key fewer than 2 or more than 3 times in a unit, more than 3 equal keys in a row, and a
// letter's share of the whole bank outside 22-28 %.
QStringList faults(const BankSource &bank);

}
