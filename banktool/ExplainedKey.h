#pragma once

#include "banktool/BankSource.h"

#include <QStringList>

// An explanation that names the right option ("选 B。", "答案为 B", "B 正确") must name the key:
// a question copied and given another key, its explanation left as it was, would teach the wrong
// answer. Options named as the tempting wrong ones ("误选 A", "选 A 是把……") are no claim.
namespace ExplainedKey {
// The letters the explanation names as right, in order, each once.
QStringList claimed(const QString &explain);
// "file:line: message" for every choice question whose explanation claims another letter.
QStringList faults(const BankSource &bank);
}
