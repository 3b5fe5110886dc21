#pragma once

#include "judge/ProcessSession.h"
#include "judge/RunLimits.h"
#include "judge/RunWatch.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

class Sandbox;

// One run of an untrusted program.
struct RunRequest
{
    QString program;
    QStringList arguments;
    QString folder; // where it runs; in a sandbox, the only folder it may write
    QByteArray input;
    RunLimits limits;
    QProcess::ProcessChannelMode channels = QProcess::SeparateChannels;
    const Sandbox *sandbox = nullptr; // runs in it when it is usable, directly otherwise
};

struct RunResult
{
    bool started = false;
    QString startError;        // why it did not start
    bool sandboxed = false;    // it ran in the sandbox
    Bound bound = Bound::None; // the bound it was stopped at, if any
    bool crashed = false;      // ended by a signal
    int exitCode = 0;          // its exit status, or the signal when it crashed
    QByteArray output;         // standard output (and standard error, when merged)
    QByteArray errors;         // standard error
};

// Runs one untrusted program without blocking: it gets its input, its output is collected, and it
// is killed with everything it started when it passes one of its limits. finished() reports the
// end of every run that was not stopped. This is the one place that starts a student's program.
class BoundedProcess : public QObject
{
    Q_OBJECT

public:
    explicit BoundedProcess(QObject *parent = nullptr);
    ~BoundedProcess() override;

    // The environment of the runs that follow; the system's when not set.
    void setEnvironment(const QProcessEnvironment &environment) { m_environment = environment; }
    void start(const RunRequest &request);
    // Runs request to its end and returns how it ended, for a caller that waits (bankc's proofs,
    // on threads of their own): the same bounds and sandbox as every other run.
    static RunResult runToEnd(const RunRequest &request,
                              const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    // Kills the run and all it started; finished() is not emitted for it.
    void stop();
    bool isRunning() const { return m_process != nullptr; }

signals:
    void finished(const RunResult &result);

private:
    void started();
    void read();
    void ended();
    void failedToStart(const QString &error);
    void stopAt(Bound bound);
    Bound boundReached() const;
    void killAll();
    void release();

    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QProcess *m_process = nullptr;
    RunRequest m_request;
    ProcessSession::Scope m_scope = ProcessSession::Scope::Session;
    RunResult m_result;
    qint64 m_leader = 0;
    QTimer m_wallClock;
    QElapsedTimer m_running; // since it started
    RunWatch m_watch;
};
