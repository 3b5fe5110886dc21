#include "judge/BoundedProcess.h"

#include "judge/Sandbox.h"

#include <QDirIterator>
#include <QEventLoop>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

// The sandbox's own processes above the program: bwrap and the sandbox's first process.
constexpr int kSandboxProcesses = 2;
// A program ended by the CPU time limit was last seen this close to it.
constexpr double kCpuMargin = 0.25;

// bwrap ends as the shell does: 128 + n for a program ended by signal n.
bool endedBySignal(int sandboxStatus)
{
    return sandboxStatus > 128 && sandboxStatus <= 128 + 64;
}

bool holdsFileOf(const QString &folder, qint64 bytes)
{
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        if (QFileInfo(it.next()).size() >= bytes)
            return true;
    }
    return false;
}

}

BoundedProcess::BoundedProcess(QObject *parent) : QObject(parent)
{
    m_wallClock.setSingleShot(true);
    connect(&m_wallClock, &QTimer::timeout, this, [this] { stopAt(Bound::WallTime); });
}

BoundedProcess::~BoundedProcess()
{
    stop();
}

void BoundedProcess::start(const RunRequest &request)
{
    stop();
    m_request = request;
    m_result = {};
    m_leader = 0;
    const bool sandboxed = request.sandbox && request.sandbox->isUsable();
    m_scope = sandboxed ? ProcessSession::Scope::Descendants : ProcessSession::Scope::Session;
    m_result.sandboxed = sandboxed;
    m_process = new QProcess(this);
    m_process->setWorkingDirectory(request.folder);
    m_process->setProcessEnvironment(m_environment);
    m_process->setProcessChannelMode(request.channels);
    connect(m_process, &QProcess::started, this, &BoundedProcess::started);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &BoundedProcess::read);
    connect(m_process, &QProcess::readyReadStandardError, this, &BoundedProcess::read);
    connect(m_process, &QProcess::finished, this, &BoundedProcess::ended);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failedToStart(m_process->errorString());
    });
    if (sandboxed) {
        if (!Sandbox::handOver(request.program, request.folder)) {
            failedToStart(QStringLiteral("无法为沙箱准备文件夹 %1").arg(request.folder));
            return;
        }
        ProcessSession::confine(*m_process, request.limits, Sandbox::outsideUser(), kSandboxProcesses);
        m_process->start(request.sandbox->bwrap(),
                         request.sandbox->arguments(request.program, request.arguments, request.folder, request.limits.fileBytes));
    } else {
        ProcessSession::confine(*m_process, request.limits);
        m_process->start(request.program, request.arguments);
    }
    if (!m_process) // it failed to start, and finished() has told so
        return;
    m_process->write(request.input);
    m_process->closeWriteChannel();
}

RunResult BoundedProcess::runToEnd(const RunRequest &request, const QProcessEnvironment &environment)
{
    BoundedProcess process;
    process.setEnvironment(environment);
    QEventLoop loop;
    std::optional<RunResult> result;
    connect(&process, &BoundedProcess::finished, &loop, [&](const RunResult &r) {
        result = r;
        loop.quit();
    });
    process.start(request);
    if (!result) // one that does not start ends at once
        loop.exec();
    return *result;
}

void BoundedProcess::stop()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    killAll();
    m_process->waitForFinished(2000);
    if (m_scope == ProcessSession::Scope::Session)
        killAll(); // what it started while it was dying
    release();
}

void BoundedProcess::started()
{
    m_result.started = true;
    m_leader = m_process->processId();
    m_wallClock.start(m_request.limits.wallMs);
    m_running.start();
    m_watch.start(m_leader, m_scope, m_request.limits, m_scope == ProcessSession::Scope::Descendants ? kSandboxProcesses : 0);
}

void BoundedProcess::read()
{
    const qint64 cap = m_request.limits.outputBytes;
    m_result.output += m_process->readAllStandardOutput();
    if (m_process->processChannelMode() != QProcess::MergedChannels)
        m_result.errors += m_process->readAllStandardError();
    if (m_result.output.size() + m_result.errors.size() > cap) {
        m_result.output.truncate(std::min<qint64>(m_result.output.size(), cap));
        m_result.errors.truncate(cap - m_result.output.size());
        stopAt(Bound::Output);
    }
}

void BoundedProcess::ended()
{
    m_watch.stop();
    if (m_result.bound == Bound::None)
        m_result.bound = m_watch.bound();
    if (m_result.bound != Bound::Output)
        read();
    // Children it left behind. A sandbox takes all of them along when it ends, and its number may
    // already be another process's.
    if (m_scope == ProcessSession::Scope::Session)
        killAll();
    m_result.crashed = m_process->exitStatus() == QProcess::CrashExit;
    m_result.exitCode = m_process->exitCode();
    if (m_result.sandboxed && !m_result.crashed && endedBySignal(m_result.exitCode)) {
        m_result.crashed = true;
        m_result.exitCode -= 128;
    }
    if (m_result.bound == Bound::None)
        m_result.bound = boundReached();
    const RunResult result = m_result;
    release();
    emit finished(result);
}

// The bound a failed run reached on its own, without being stopped at it: the limits of CPU time
// and file size end a program by a signal, which it may also have raised itself; the memory limit
// makes allocation fail rather than end the program.
Bound BoundedProcess::boundReached() const
{
    const RunLimits &limits = m_request.limits;
    if (m_result.crashed) {
        const Bound bound = ProcessSession::boundOfSignal(m_result.exitCode);
        // On a busy machine the watch may not have looked for a while; a program that ran on
        // one thread that long can have used its CPU time, and one that ran shorter cannot.
        const double seen = std::max(m_watch.cpuSeconds(), m_running.elapsed() / 1000.0);
        if (bound == Bound::CpuTime && seen >= limits.cpuSeconds - kCpuMargin)
            return bound;
        if (bound == Bound::FileSize && holdsFileOf(m_request.folder, limits.fileBytes))
            return bound;
    }
    // Allocation failed if it was seen near its limit: the last blocks asked for did not fit.
    if ((m_result.crashed || m_result.exitCode != 0) && m_watch.largestMemory() >= limits.memoryBytes / 8 * 7)
        return Bound::Memory;
    return Bound::None;
}

void BoundedProcess::failedToStart(const QString &error)
{
    m_result.startError = error;
    const RunResult result = m_result;
    release();
    emit finished(result);
}

void BoundedProcess::stopAt(Bound bound)
{
    if (m_result.bound == Bound::None)
        m_result.bound = bound;
    m_wallClock.stop();
    killAll();
}

void BoundedProcess::killAll()
{
    if (m_process->state() == QProcess::NotRunning && m_scope == ProcessSession::Scope::Descendants)
        return;
    ProcessSession::killAll(m_leader, m_scope);
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
