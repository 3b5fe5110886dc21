#include "judge/BoundedProcess.h"

#include "judge/ProcessSession.h"

#include <algorithm>

namespace {

// How often the session is looked at for its processes, CPU time and memory.
constexpr int kWatchMs = 20;

}

BoundedProcess::BoundedProcess(QObject *parent) : QObject(parent)
{
    m_wallClock.setSingleShot(true);
    connect(&m_wallClock, &QTimer::timeout, this, [this] { stopAt(Bound::WallTime); });
    m_watch.setInterval(kWatchMs);
    connect(&m_watch, &QTimer::timeout, this, &BoundedProcess::watch);
}

BoundedProcess::~BoundedProcess()
{
    stop();
}

void BoundedProcess::start(const QString &program, const QStringList &arguments, const QString &folder,
                           const QByteArray &input, const RunLimits &limits, QProcess::ProcessChannelMode channels)
{
    stop();
    m_limits = limits;
    m_result = {};
    m_leader = 0;
    m_largestMemory = 0;
    m_process = new QProcess(this);
    m_process->setWorkingDirectory(folder);
    m_process->setProcessEnvironment(m_environment);
    m_process->setProcessChannelMode(channels);
    ProcessSession::confine(*m_process, limits);
    connect(m_process, &QProcess::started, this, &BoundedProcess::started);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &BoundedProcess::read);
    connect(m_process, &QProcess::readyReadStandardError, this, &BoundedProcess::read);
    connect(m_process, &QProcess::finished, this, &BoundedProcess::ended);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failedToStart();
    });
    m_process->start(program, arguments);
    if (!m_process) // it failed to start, and finished() has told so
        return;
    m_process->write(input);
    m_process->closeWriteChannel();
}

void BoundedProcess::stop()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    killAll();
    m_process->waitForFinished(2000);
    killAll(); // what it started while it was dying
    release();
}

void BoundedProcess::started()
{
    m_result.started = true;
    m_leader = m_process->processId();
    m_wallClock.start(m_limits.wallMs);
    m_watch.start();
}

void BoundedProcess::read()
{
    m_result.output += m_process->readAllStandardOutput();
    if (m_process->processChannelMode() != QProcess::MergedChannels)
        m_result.errors += m_process->readAllStandardError();
    if (m_result.output.size() + m_result.errors.size() > m_limits.outputBytes) {
        m_result.output.truncate(std::min<qint64>(m_result.output.size(), m_limits.outputBytes));
        m_result.errors.truncate(m_limits.outputBytes - m_result.output.size());
        stopAt(Bound::Output);
    }
}

void BoundedProcess::watch()
{
    const ProcessSession::Usage usage = ProcessSession::usage(m_leader);
    m_largestMemory = std::max(m_largestMemory, usage.largestMemory);
    if (usage.processes > m_limits.processes)
        stopAt(Bound::Processes);
    else if (usage.cpuSeconds >= m_limits.cpuSeconds)
        stopAt(Bound::CpuTime);
}

void BoundedProcess::ended()
{
    if (m_result.bound != Bound::Output)
        read();
    killAll(); // children it left behind
    m_result.crashed = m_process->exitStatus() == QProcess::CrashExit;
    m_result.exitCode = m_process->exitCode();
    if (m_result.bound == Bound::None && m_result.crashed)
        m_result.bound = ProcessSession::boundOfSignal(m_result.exitCode);
    // The memory limit makes allocation fail rather than end the program, so a program that failed
    // after it was seen using half its limit or more most likely ran out of memory.
    if (m_result.bound == Bound::None && (m_result.crashed || m_result.exitCode != 0)
        && m_largestMemory >= m_limits.memoryBytes / 2)
        m_result.bound = Bound::Memory;
    const RunResult result = m_result;
    release();
    emit finished(result);
}

void BoundedProcess::failedToStart()
{
    m_result.startError = m_process->errorString();
    const RunResult result = m_result;
    release();
    emit finished(result);
}

void BoundedProcess::stopAt(Bound bound)
{
    if (m_result.bound == Bound::None)
        m_result.bound = bound;
    m_wallClock.stop();
    m_watch.stop();
    killAll();
}

void BoundedProcess::killAll()
{
    ProcessSession::killAll(m_leader);
    if (m_process->state() != QProcess::NotRunning)
        m_process->kill();
}

void BoundedProcess::release()
{
    m_wallClock.stop();
    m_watch.stop();
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
}
