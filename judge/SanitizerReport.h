#pragma once

#include <QList>
#include <QString>

// What the address and undefined-behaviour checkers built into a program found when it ran.
enum class MemoryFault {
    OutOfBounds,    // 数组越界
    UseAfterFree,   // 使用了已经释放的内存
    UseAfterScope,  // 使用了已经结束的局部变量
    DoubleFree,     // 同一块内存释放了两次
    BadFree,        // 释放了不是 malloc 得到的内存
    BadAddress,     // 访问了无效的地址（空指针或没有初始化的指针）
    StackOverflow,  // 栈溢出
    MemoryLimit,    // 内存超过了限制
    Leak,           // 内存没有释放: a note, the program is not wrong for it
    SignedOverflow, // 有符号整数溢出
    DivisionByZero, // 除以零
    NullPointer,    // 使用了空指针
    BadShift,       // 移位的位数不对
    Other,          // 其他未定义行为
};

struct SanitizerFinding
{
    MemoryFault fault = MemoryFault::Other;
    int line = 0;   // the line of the student's file it happened at, 0 when none is named
    QString report; // the checker's own words, cut to what matters, folders left out
};

namespace SanitizerReport {

// The findings in what a checked program wrote to standard error, the first fault first; a leak
// report comes after it. fileName is the student's file, whose lines the reports name.
QList<SanitizerFinding> read(const QString &errors, const QString &fileName);
// Whether the checkers could not run at all (the leak checker under a debugger, ...).
bool checkerFailed(const QString &errors);

}
