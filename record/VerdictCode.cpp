#include "record/VerdictCode.h"

QString verdictCode(VerdictKind kind)
{
    switch (kind) {
    case VerdictKind::Passed: return QStringLiteral("passed");
    case VerdictKind::CompiledOnly: return QStringLiteral("compiled-only");
    case VerdictKind::NoCompiler: return QStringLiteral("no-compiler");
    case VerdictKind::MissingFile: return QStringLiteral("missing-file");
    case VerdictKind::BlanksLeft: return QStringLiteral("blanks-left");
    case VerdictKind::CompileError: return QStringLiteral("compile-error");
    case VerdictKind::TimeLimit: return QStringLiteral("time-limit");
    case VerdictKind::RunError: return QStringLiteral("run-error");
    case VerdictKind::WrongOutput: return QStringLiteral("wrong-output");
    case VerdictKind::CannotCheck: return QStringLiteral("cannot-check");
    }
    return QStringLiteral("cannot-check");
}
