#include "judge/RunWatch.h"

#include <algorithm>
#include <chrono>

namespace {

// How often the processes are looked at.
constexpr std::chrono::milliseconds kInterval{20};

}

RunWatch::~RunWatch()
{
    stop();
}

void RunWatch::start(qint64 leader, ProcessSession::Scope scope, const RunLimits &limits, int ownProcesses)
{
    stop();
    m_leader = leader;
    m_scope = scope;
    m_limits = limits;
    m_ownProcesses = ownProcesses;
    m_bound = Bound::None;
    m_cpuSeconds = 0;
    m_largestMemory = 0;
    m_stopping = false;
    m_thread = std::thread(&RunWatch::watch, this);
}

void RunWatch::stop()
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void RunWatch::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, kInterval, [this] { return m_stopping; })) {
        const ProcessSession::Usage usage = ProcessSession::usage(m_leader, m_scope);
        m_cpuSeconds = std::max(m_cpuSeconds, usage.cpuSeconds);
        m_largestMemory = std::max(m_largestMemory, usage.largestMemory);
        if (usage.processes - m_ownProcesses > m_limits.processes)
            m_bound = Bound::Processes;
        else if (usage.cpuSeconds >= m_limits.cpuSeconds)
            m_bound = Bound::CpuTime;
        if (m_bound != Bound::None) {
            ProcessSession::killAll(m_leader, m_scope);
            return;
        }
    }
}
