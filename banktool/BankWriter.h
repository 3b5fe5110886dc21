#pragma once

#include "banktool/BankSource.h"

#include <QString>

// Writes the bank's SQLite file from its sources. The file appears whole or not at all.
// Returns an empty text on success, else what went wrong.
QString writeBank(const BankSource &source, const QString &file);

// The study text of an algorithm: its description followed by its program as a code block.
QString algorithmMarkdown(const AlgorithmSource &algorithm);
