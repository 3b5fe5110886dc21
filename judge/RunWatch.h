#pragma once

#include "judge/ProcessSession.h"
#include "judge/RunLimits.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// Watches the processes of a running program on a thread of its own, so that a program that starts
// many of them never holds up the window, and kills them all as soon as they pass the process or
// CPU time limit. What it saw is read after stop().
class RunWatch
{
public:
    RunWatch() = default;
    RunWatch(const RunWatch &) = delete;
    RunWatch &operator=(const RunWatch &) = delete;
    ~RunWatch();

    // ownProcesses: those under leader that are not the program's (a sandbox's own).
    void start(qint64 leader, ProcessSession::Scope scope, const RunLimits &limits, int ownProcesses);
    // Ends the watch; the program is left as it is.
    void stop();

    // The bound it killed the program at (Bound::None: it did not).
    Bound bound() const { return m_bound; }
    // The most CPU time and the largest address space seen.
    double cpuSeconds() const { return m_cpuSeconds; }
    qint64 largestMemory() const { return m_largestMemory; }

private:
    void watch();

    qint64 m_leader = 0;
    ProcessSession::Scope m_scope = ProcessSession::Scope::Session;
    RunLimits m_limits;
    int m_ownProcesses = 0;
    // Written by the watch, read after it ended.
    Bound m_bound = Bound::None;
    double m_cpuSeconds = 0;
    qint64 m_largestMemory = 0;

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
};
