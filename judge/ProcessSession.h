#pragma once

#include "judge/RunLimits.h"

#include <QtGlobal>

class QProcess;

// The processes of a bounded program. On POSIX systems the program starts a session and a process
// group of its own under resource limits, so that it can be killed with everything it started; on
// Linux they are also watched through /proc. Elsewhere these do nothing: only the wall clock and the
// output cap bound a run there.
namespace ProcessSession {

// Which processes are the program's: those of its session and process group (a program run
// directly), or every process descended from it (a sandbox, whose processes all stay below it).
enum class Scope { Session, Descendants };

struct Usage
{
    int processes = 0;        // alive or not yet reaped
    double cpuSeconds = 0;    // of those processes and the children they reaped
    qint64 largestMemory = 0; // address space of the largest one
};

// Makes the process, when it starts, a session leader under the limits, running as user unless that
// is -1. extraProcesses: those it starts that are not the program's (a sandbox's own).
void confine(QProcess &process, const RunLimits &limits, qint64 user = -1, int extraProcesses = 0);
// What the processes of the program led by leader use now (nothing known: all zero).
Usage usage(qint64 leader, Scope scope);
// Kills every process of the program led by leader.
void killAll(qint64 leader, Scope scope);
// The bound whose limit ends a program by this signal (CPU time, file size), which the program may
// also have raised itself.
Bound boundOfSignal(int signal);

}
