#include "judge/Sandbox.h"

#include "judge/ProcessSession.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The user a program is inside the sandbox: anyone but root.
constexpr int kInsideUser = 1000;

#ifdef Q_OS_UNIX
bool allow(const QString &path, mode_t bits)
{
    struct stat info;
    const QByteArray native = QFile::encodeName(path);
    return ::stat(native.constData(), &info) == 0 && ((info.st_mode & bits) == bits || ::chmod(native.constData(), info.st_mode | bits) == 0);
}
#endif

}

const Sandbox &Sandbox::machine()
{
    static const Sandbox sandbox = tried(QStandardPaths::findExecutable(QStringLiteral("bwrap")));
    return sandbox;
}

Sandbox Sandbox::tried(const QString &bwrap)
{
    Sandbox sandbox;
    sandbox.m_bwrap = bwrap;
#ifdef Q_OS_LINUX
    if (bwrap.isEmpty() || !QFileInfo(bwrap).isExecutable())
        return sandbox;
    sandbox.m_isolation = Isolation::NoNamespaces;
    // A run like every other, of a program that only succeeds.
    QTemporaryDir folder;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("true"));
    if (!folder.isValid() || program.isEmpty() || !handOver(program, folder.path()))
        return sandbox;
    QProcess probe;
    probe.setWorkingDirectory(folder.path());
    ProcessSession::confine(probe, RunLimits::compiler(), outsideUser());
    probe.start(bwrap, sandbox.arguments(program, {}, folder.path(), 1 << 20));
    if (probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
        sandbox.m_isolation = Isolation::Sandboxed;
    else
        probe.kill();
    probe.waitForFinished(1000);
#endif
    return sandbox;
}

QStringList Sandbox::arguments(const QString &program, const QStringList &programArguments, const QString &folder,
                               qint64 tmpBytes) const
{
    const QString inside = QString::number(kInsideUser);
    QStringList arguments{
        QStringLiteral("--unshare-user"), QStringLiteral("--unshare-pid"), QStringLiteral("--unshare-net"),
        QStringLiteral("--unshare-ipc"), QStringLiteral("--unshare-uts"), QStringLiteral("--unshare-cgroup-try"),
        QStringLiteral("--disable-userns"), QStringLiteral("--uid"), inside, QStringLiteral("--gid"), inside,
        QStringLiteral("--die-with-parent"), QStringLiteral("--new-session"),
        QStringLiteral("--ro-bind"), QStringLiteral("/"), QStringLiteral("/"),
        QStringLiteral("--proc"), QStringLiteral("/proc"), QStringLiteral("--dev"), QStringLiteral("/dev"),
        QStringLiteral("--size"), QString::number(tmpBytes), QStringLiteral("--tmpfs"), QStringLiteral("/tmp"),
        // The sockets of the user's session and of the system (D-Bus, the display) are there: a
        // program that reached them could have work done outside the sandbox.
        QStringLiteral("--size"), QString::number(1 << 20), QStringLiteral("--tmpfs"), QStringLiteral("/run"),
        // After /tmp, which may hold them.
        QStringLiteral("--ro-bind"), program, program,
        QStringLiteral("--bind"), folder, folder, QStringLiteral("--chdir"), folder,
        QStringLiteral("--"), program};
    return arguments + programArguments;
}

qint64 Sandbox::outsideUser()
{
#ifdef Q_OS_UNIX
    if (::geteuid() != 0)
        return -1;
    const passwd *nobody = ::getpwnam("nobody");
    return nobody && nobody->pw_uid != 0 ? qint64(nobody->pw_uid) : 65534;
#else
    return -1;
#endif
}

bool Sandbox::handOver(const QString &program, const QString &folder)
{
#ifdef Q_OS_UNIX
    const qint64 user = outsideUser();
    if (user < 0)
        return true;
    return allow(program, S_IROTH | S_IXOTH) && allow(QFileInfo(program).path(), S_IXOTH)
           && ::chown(QFile::encodeName(folder).constData(), uid_t(user), gid_t(user)) == 0;
#else
    Q_UNUSED(program);
    Q_UNUSED(folder);
    return true;
#endif
}
