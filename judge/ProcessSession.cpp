#include "judge/ProcessSession.h"

#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

#ifdef Q_OS_UNIX
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
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
    pid_t parent = 0;
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
    stat.parent = ppid;
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

// The program's processes among those of the machine.
std::vector<ProcStat> programProcesses(pid_t leader, Scope scope)
{
    std::vector<ProcStat> all;
    eachProcess([&](int, const char *, const ProcStat &stat) { all.push_back(stat); });
    std::vector<ProcStat> found;
    if (scope == Scope::Session) {
        std::copy_if(all.begin(), all.end(), std::back_inserter(found),
                     [&](const ProcStat &stat) { return stat.session == leader || stat.group == leader; });
        return found;
    }
    // A child may be listed before its parent: look again until no process is added.
    std::vector<pid_t> members{leader};
    const auto isMember = [&](pid_t pid) { return std::find(members.begin(), members.end(), pid) != members.end(); };
    for (bool added = true; added;) {
        added = false;
        for (const ProcStat &stat : all) {
            if (!isMember(stat.pid) && isMember(stat.parent)) {
                members.push_back(stat.pid);
                added = true;
            }
        }
    }
    std::copy_if(all.begin(), all.end(), std::back_inserter(found), [&](const ProcStat &stat) { return isMember(stat.pid); });
    return found;
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

Usage usage(qint64 leader, Scope scope)
{
    Usage total;
    if (leader <= 0)
        return total;
    for (const ProcStat &stat : programProcesses(pid_t(leader), scope)) {
        ++total.processes;
        total.cpuSeconds += stat.cpuSeconds;
        total.largestMemory = std::max(total.largestMemory, stat.memory);
    }
    return total;
}
#else
Usage usage(qint64, Scope)
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

void confine(QProcess &process, const RunLimits &limits, qint64 user, int extraProcesses)
{
    const rlim_t cpu = rlim_t(limits.cpuSeconds);
    const rlim_t memory = rlim_t(limits.memoryBytes);
    const rlim_t file = rlim_t(limits.fileBytes);
#ifdef Q_OS_LINUX
    // The per-user limit counts every task the user has, so the program gets a few more than now:
    // twice its limit, so that the watch on the session usually sees a runaway first and names it.
    const rlim_t tasks = tasksOfUser(user >= 0 ? uid_t(user) : ::getuid()) + 2 * rlim_t(limits.processes) + rlim_t(extraProcesses);
#else
    const rlim_t tasks = 0;
#endif
    // Runs in the child between fork and exec: only async-signal-safe calls.
    process.setChildProcessModifier([=] {
        ::setsid();
        if (user >= 0 && (::setgroups(0, nullptr) != 0 || ::setgid(gid_t(user)) != 0 || ::setuid(uid_t(user)) != 0))
            ::_exit(127); // never run as a user other than the one asked for
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

void killAll(qint64 leader, Scope scope)
{
    if (leader <= 0)
        return;
#ifdef Q_OS_LINUX
    // All are found before any is killed: a child whose parent died first would be lost.
    const std::vector<ProcStat> processes = programProcesses(pid_t(leader), scope);
#endif
    if (scope == Scope::Session)
        ::kill(-pid_t(leader), SIGKILL);
#ifdef Q_OS_LINUX
    // A process that left the group for a group of its own is still in the session.
    for (const ProcStat &stat : processes)
        ::kill(stat.pid, SIGKILL);
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
void confine(QProcess &, const RunLimits &, qint64, int) {}
void killAll(qint64, Scope) {}
Bound boundOfSignal(int)
{
    return Bound::None;
}
#endif

}
