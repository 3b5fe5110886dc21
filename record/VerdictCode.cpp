#include "record/VerdictCode.h"

QString verdictCode(VerdictKind kind)
{
    switch (kind) {
    case VerdictKind::Passed: return QStringLiteral("passed");
    case VerdictKind::CompiledOnly: return QStringLiteral("compiled-only");
    case VerdictKind::NoCompiler: return QStringLiteral("no-compiler");
    case VerdictKind::MissingFile: return QStringLiteral("missing-file");
    case VerdictKind::BlanksLeft: return QStringLiteral("blanks-left");
    case VerdictKind::FixedTextChanged: return QStringLiteral("fixed-text-changed");
    case VerdictKind::TooManyChanges: return QStringLiteral("too-many-changes");
    case VerdictKind::CompileError: return QStringLiteral("compile-error");
    case VerdictKind::TimeLimit: return QStringLiteral("time-limit");
    case VerdictKind::RunError: return QStringLiteral("run-error");
    case VerdictKind::WrongOutput: return QStringLiteral("wrong-output");
    case VerdictKind::MemoryError: return QStringLiteral("memory-error");
    case VerdictKind::FormatError: return QStringLiteral("format-error");
    case VerdictKind::CannotCheck: return QStringLiteral("cannot-check");
    }
    return QStringLiteral("cannot-check");
}
