#pragma once

#include <QString>
#include <QStringList>

// Where a student's program ran.
enum class Isolation {
    Sandboxed,    // in a bubblewrap sandbox
    NoBwrap,      // directly: bwrap is not installed
    NoNamespaces, // directly: bwrap could not make a sandbox (user namespaces turned off)
};

// A sandbox made with bubblewrap (bwrap) for one run of a student's program: its own user, process,
// network, IPC and host name namespaces and its own session; the file system read-only but for the
// run's folder and a small /tmp of its own, and /run (the session's sockets) out of sight; it dies
// with the program that started it. Inside, the
// program is an ordinary user, and its parent is the sandbox, not this program.
class Sandbox
{
public:
    // The sandbox of this machine: bwrap on PATH, tried once per run of the program.
    static const Sandbox &machine();
    // The sandbox the bwrap at that path makes, tried now (an empty path: bwrap is missing).
    static Sandbox tried(const QString &bwrap);

    Isolation isolation() const { return m_isolation; }
    bool isUsable() const { return m_isolation == Isolation::Sandboxed; }
    const QString &bwrap() const { return m_bwrap; }

    // The arguments of bwrap that run program in the sandbox, in folder, which alone it may write.
    QStringList arguments(const QString &program, const QStringList &programArguments, const QString &folder,
                          qint64 tmpBytes) const;
    // The user the sandbox runs as on this machine: root's sandbox runs as nobody, since the process
    // limit does not bind root, even inside a namespace of its own; -1 when that is the caller.
    static qint64 outsideUser();
    // Lets the outside user run program and write folder (nothing to do unless root runs the sandbox).
    static bool handOver(const QString &program, const QString &folder);

private:
    QString m_bwrap;
    Isolation m_isolation = Isolation::NoBwrap;
};
