#include "judge/ProcessSession.h"

#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_UNIX
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ProcessSession {

#ifdef Q_OS_LINUX
namespace {

struct ProcStat
{
    pid_t pid = 0;
    pid_t group = 0;
    pid_t session = 0;
    long threads = 0;
    double cpuSeconds = 0;
    qint64 memory = 0;
};

// Reads /proc/<pid>/stat with plain system calls: this runs every few milliseconds while a
// program runs, over every process of the machine.
bool readStat(int procFd, const char *pid, ProcStat &stat)
{
    char path[64];
    std::snprintf(path, sizeof path, "%s/stat", pid);
    const int fd = ::openat(procFd, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[1024];
    const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    if (n <= 0)
        return false;
    buffer[n] = '\0';
    // The command name in parentheses may hold anything; the fields follow its last ')'.
    const char *p = std::strrchr(buffer, ')');
    if (!p)
        return false;
    char state;
    int ppid, group, session, tty, tpgid;
    unsigned flags;
    unsigned long minflt, cminflt, majflt, cmajflt, utime, stime, vsize;
    long cutime, cstime, priority, nice, threads, itrealvalue;
    unsigned long long starttime;
    const int fields = std::sscanf(p + 2, "%c %d %d %d %d %d %u %lu %lu %lu %lu %lu %lu %ld %ld %ld %ld %ld %ld %llu %lu",
                                   &state, &ppid, &group, &session, &tty, &tpgid, &flags, &minflt, &cminflt, &majflt,
                                   &cmajflt, &utime, &stime, &cutime, &cstime, &priority, &nice, &threads, &itrealvalue,
                                   &starttime, &vsize);
    if (fields != 21)
        return false;
    static const double tick = double(::sysconf(_SC_CLK_TCK));
    stat.pid = pid_t(std::atol(pid));
    stat.group = group;
    stat.session = session;
    stat.threads = threads;
    stat.cpuSeconds = double(utime + stime + cutime + cstime) / tick;
    stat.memory = qint64(vsize);
    return true;
}

// Calls visit for every process of the machine that can be read.
template<typename Visit>
void eachProcess(Visit visit)
{
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return;
    const int procFd = ::dirfd(proc);
    while (const dirent *entry = ::readdir(proc)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9')
            continue;
        ProcStat stat;
        if (readStat(procFd, entry->d_name, stat))
            visit(procFd, entry->d_name, stat);
    }
    ::closedir(proc);
}

bool belongsTo(const ProcStat &stat, pid_t leader)
{
    return stat.session == leader || stat.group == leader;
}

// Threads count against the per-user process limit, so they are what is counted here.
rlim_t tasksOfUser(uid_t uid)
{
    rlim_t tasks = 0;
    eachProcess([&](int procFd, const char *pid, const ProcStat &process) {
        struct stat owner;
        if (::fstatat(procFd, pid, &owner, 0) == 0 && owner.st_uid == uid)
            tasks += rlim_t(process.threads);
    });
    return tasks;
}

}

Usage usage(qint64 leader)
{
    Usage total;
    eachProcess([&](int, const char *, const ProcStat &stat) {
        if (!belongsTo(stat, pid_t(leader)))
            return;
        ++total.processes;
        total.cpuSeconds += stat.cpuSeconds;
        total.largestMemory = std::max(total.largestMemory, stat.memory);
    });
    return total;
}
#else
Usage usage(qint64)
{
    return {};
}
#endif

#ifdef Q_OS_UNIX
namespace {

void limit(int resource, rlim_t soft, rlim_t hard)
{
    const rlimit value{soft, hard};
    ::setrlimit(resource, &value);
}

}

void confine(QProcess &process, const RunLimits &limits)
{
    const rlim_t cpu = rlim_t(limits.cpuSeconds);
    const rlim_t memory = rlim_t(limits.memoryBytes);
    const rlim_t file = rlim_t(limits.fileBytes);
#ifdef Q_OS_LINUX
    // The per-user limit counts every task the user has, so the program gets a few more than now:
    // twice its limit, so that the watch on the session usually sees a runaway first and names it.
    const rlim_t tasks = tasksOfUser(::getuid()) + 2 * rlim_t(limits.processes);
#else
    const rlim_t tasks = 0;
#endif
    // Runs in the child between fork and exec: only async-signal-safe calls.
    process.setChildProcessModifier([=] {
        ::setsid();
        limit(RLIMIT_CPU, cpu, cpu + 1); // SIGXCPU first, SIGKILL a second later
        limit(RLIMIT_AS, memory, memory);
        limit(RLIMIT_FSIZE, file, file);
        limit(RLIMIT_CORE, 0, 0);
        if (tasks > 0)
            limit(RLIMIT_NPROC, tasks, tasks);
        // The program starts with the signals a C program expects, whatever the GUI changed.
        ::signal(SIGPIPE, SIG_DFL);
        sigset_t none;
        ::sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
    });
}

void killAll(qint64 leader)
{
    if (leader <= 0)
        return;
    ::kill(-pid_t(leader), SIGKILL);
#ifdef Q_OS_LINUX
    // A process that left the group for a group of its own is still in the session.
    eachProcess([&](int, const char *, const ProcStat &stat) {
        if (belongsTo(stat, pid_t(leader)))
            ::kill(stat.pid, SIGKILL);
    });
#endif
}

Bound boundOfSignal(int signal)
{
    if (signal == SIGXCPU)
        return Bound::CpuTime;
    if (signal == SIGXFSZ)
        return Bound::FileSize;
    return Bound::None;
}
#else
void confine(QProcess &, const RunLimits &) {}
void killAll(qint64) {}
Bound boundOfSignal(int)
{
    return Bound::None;
}
#endif

}
