#pragma once

#include "judge/RunLimits.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

struct RunResult
{
    bool started = false;
    QString startError;       // why it did not start
    Bound bound = Bound::None; // the bound it was stopped at, if any
    bool crashed = false;     // ended by a signal
    int exitCode = 0;         // its exit status, or the signal when it crashed
    QByteArray output;        // standard output (and standard error, when merged)
    QByteArray errors;        // standard error
};

// Runs one untrusted program without blocking: it gets its input, its output is collected, and it
// is killed with everything it started when it passes one of its limits. finished() reports the
// end of every run that was not stopped.
class BoundedProcess : public QObject
{
    Q_OBJECT

public:
    explicit BoundedProcess(QObject *parent = nullptr);
    ~BoundedProcess() override;

    // The environment of the runs that follow; the system's when not set.
    void setEnvironment(const QProcessEnvironment &environment) { m_environment = environment; }
    void start(const QString &program, const QStringList &arguments, const QString &folder, const QByteArray &input,
               const RunLimits &limits, QProcess::ProcessChannelMode channels);
    // Kills the run and all it started; finished() is not emitted for it.
    void stop();
    bool isRunning() const { return m_process != nullptr; }

signals:
    void finished(const RunResult &result);

private:
    void started();
    void read();
    void watch();
    void ended();
    void failedToStart();
    void stopAt(Bound bound);
    void killAll();
    void release();

    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QProcess *m_process = nullptr;
    RunLimits m_limits;
    RunResult m_result;
    qint64 m_leader = 0;
    qint64 m_largestMemory = 0;
    QTimer m_wallClock;
    QTimer m_watch;
};
