#pragma once

#include "judge/RunLimits.h"

#include <QtGlobal>

class QProcess;

// The session a bounded program runs in. On POSIX systems the program starts a session and a
// process group of its own under resource limits, so that it can be killed with everything it
// started; on Linux the session is also watched through /proc, which binds where the per-user
// process limit does not (root). Elsewhere these do nothing: only the wall clock and the output
// cap bound a run there.
namespace ProcessSession {

struct Usage
{
    int processes = 0;        // alive or not yet reaped
    double cpuSeconds = 0;    // of those processes and the children they reaped
    qint64 largestMemory = 0; // address space of the largest one
};

// Makes the process, when it starts, a session leader under the limits.
void confine(QProcess &process, const RunLimits &limits);
// What the session led by leader uses now (nothing known: all zero).
Usage usage(qint64 leader);
// Kills every process of the session and of its process group.
void killAll(qint64 leader);
// The bound a signal stands for: the CPU time and file size limits end a program by a signal.
Bound boundOfSignal(int signal);

}
