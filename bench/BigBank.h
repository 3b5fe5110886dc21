#pragma once

#include <QString>

// A bank many times the course's, for the benches that measure what grows with the bank.
namespace BigBank {
// Writes target from the bank at source: every chapter, algorithm, test set, exercise and case
// copied `copies` times with keys of their own, so each query finds as many rows as on the
// source while the tables grow. Without `indexed` the question tables have no indexes.
void make(const QString &source, const QString &target, int copies, bool indexed);
}
