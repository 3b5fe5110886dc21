#pragma once

#include "judge/Verdict.h"

#include <QString>

// A verdict's kind as the record stores it: a name, so that the record outlives any reordering of the enum.
QString verdictCode(VerdictKind kind);
