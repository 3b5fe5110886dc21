#pragma once

#include "banktool/BankSource.h"

#include <QString>

// What bankc does before it writes a bank, and all that `bankc check` does: reads the sources,
// applies the course's rules and proves every program, printing a progress line per file, then
// every fault as file:line and a summary.
struct CheckOptions
{
    QString sourceFolder;
    QString proofCache;       // the proof cache file; empty: prove everything
    bool keyReport = false;   // print the distribution of the answer letters
};

// Returns whether the sources passed; bank receives what was read.
bool checkBank(const CheckOptions &options, BankSource &bank);
