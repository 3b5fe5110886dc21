#pragma once

#include <QtGlobal>

// Which bound stopped a run.
enum class Bound { None, CpuTime, WallTime, Memory, Output, Processes, FileSize };

// What one run may use before it is killed with all it started.
struct RunLimits
{
    int cpuSeconds = 2;
    int wallMs = 5000;
    qint64 memoryBytes = 256LL << 20; // address space of each process
    qint64 outputBytes = 64LL << 10;  // standard output and standard error together
    int processes = 8;                // alive at once, the program itself included
    qint64 fileBytes = 16LL << 20;    // the largest file it may write

    // A student's program on one case.
    static RunLimits program() { return {}; }
    // The C compiler on a student's file: it starts helpers of its own and needs more room.
    static RunLimits compiler() { return {20, 30000, 2048LL << 20, 64LL << 10, 16, 256LL << 20}; }
};
