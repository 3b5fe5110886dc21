#pragma once

#include "judge/Verdict.h"

#include <QString>

// A verdict worded for the student, in Chinese.
namespace VerdictText {

// One line: "全部通过 (3/3)", "编译错误", "运行超时", ...
QString headline(const Verdict &verdict);
// The whole account for the result window: the headline, what went wrong and where, and for an
// open case its input, the expected and the actual output with the first differing line marked.
QString text(const Verdict &verdict);
// The name of a fault the memory checkers find: "数组越界".
QString faultName(MemoryFault fault);
// What ended a program: "SIGSEGV（段错误：……）", or on Windows its exception code.
QString signalName(int signal);

}
