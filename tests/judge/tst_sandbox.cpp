// Hostile students' programs in the sandbox: ones that signal their parent or every process, leave
// processes behind, fork without end, write into the home folder or hide CPU time in a child; and
// the run without a sandbox when bwrap is missing or cannot make one. Every program here stops by
// itself within half a minute and starts at most a few thousand processes, and the one that signals
// every process does so only where it finds itself in a process namespace of its own, so a sandbox
// that failed cannot take the machine down.

#include "judge/BoundedProcess.h"
#include "judge/Judge.h"
#include "judge/Sandbox.h"
#include "judge/VerdictText.h"

#include "StudentPrograms.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;
using StudentPrograms::processesNamed;
using StudentPrograms::program;

namespace {

const QString kIncludes = u"#include <signal.h>\n#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n"
                          u"#include <time.h>\n#include <unistd.h>\n#include <sys/types.h>\n"_s;

// One case with no input that expects the line "alive".
const JudgeCase kAlive{1, false, {}, {}, {}, u"alive\n"_s};

}

class TestSandbox : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_work; // the student's work folder
    // A home folder anyone may write, outside /tmp (which the sandbox replaces with its own), so
    // that only the sandbox keeps a program from writing there.
    std::unique_ptr<QTemporaryDir> m_home;

    Verdict check(const QString &name, const QString &body)
    {
        const QString path = m_work->filePath(name + u".c"_s);
        StudentPrograms::writeFile(path, program(kIncludes, body).toUtf8());
        return StudentPrograms::check({TaskKind::Programming, path, {}, {kAlive}});
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"gcc"_s).isEmpty())
            QSKIP("gcc is not installed");
        m_home = std::make_unique<QTemporaryDir>(QDir::currentPath() + u"/home-XXXXXX"_s);
        QVERIFY(m_home->isValid());
        QFile::setPermissions(m_home->path(), QFileDevice::Permissions(0x7777));
        qputenv("HOME", QFile::encodeName(m_home->path()));
    }

    void init()
    {
        m_work = std::make_unique<QTemporaryDir>();
        QVERIFY(m_work->isValid());
    }

    // Where bwrap cannot make a sandbox, the program runs as before, and the result says so once.
    void withoutASandboxTheProgramRunsAndTheResultSaysSo_data()
    {
        QTest::addColumn<QString>("bwrap");
        QTest::addColumn<Isolation>("isolation");
        QTest::addColumn<QString>("note");
        const QString risk = u"程序没有在沙箱中运行，而是直接运行的：它能读写你的文件，也能结束你的其他程序。"_s;
        QTest::newRow("bwrap missing") << QString() << Isolation::NoBwrap
                                       << u"注意：本机没有安装 bubblewrap（bwrap），"_s + risk
                                              + u"安装后（sudo apt install bubblewrap）再检查，程序就会在沙箱中运行。"_s;
        QTest::newRow("bwrap fails") << QStandardPaths::findExecutable(u"false"_s) << Isolation::NoNamespaces
                                     << u"注意：bwrap 无法建立沙箱（系统可能关闭了用户命名空间），"_s + risk;
    }

    void withoutASandboxTheProgramRunsAndTheResultSaysSo()
    {
        QFETCH(QString, bwrap);
        QFETCH(Isolation, isolation);
        QFETCH(QString, note);
        const QString path = m_work->filePath(u"pro_1.c"_s);
        StudentPrograms::writeFile(path, program(kIncludes, u"    printf(\"alive\\n\");\n"_s).toUtf8());
        Judge judge;
        judge.setSandbox(Sandbox::tried(bwrap));
        const Verdict v = StudentPrograms::check(judge, {TaskKind::Programming, path, {}, {kAlive, kAlive}});
        QCOMPARE(v.kind, VerdictKind::Passed);
        QCOMPARE(v.isolation, isolation);
        QCOMPARE(VerdictText::text(v).count(note), 1);
    }

    // The system's process limit binds in the sandbox even where the tutoring program runs as root:
    // forks are refused a little beyond the program's limit, before the watch (which looks every few
    // milliseconds) has stopped it. Each fork that succeeded writes a dot at once.
    void theProcessLimitBindsEvenForRoot()
    {
        if (!Sandbox::machine().isUsable())
            QSKIP("bwrap cannot make a sandbox on this machine: hostile programs are not run");
        const Verdict v = check(u"pro_f"_s,
                                u"    int i;\n    for (i = 0; i < 300; i++) {\n        pid_t p = fork();\n        if (p == 0) {\n"
                                u"            sleep(10);\n            _exit(0);\n        }\n        if (p < 0)\n            break;\n"
                                u"        write(1, \".\", 1);\n    }\n    sleep(10);\n"_s);
        QCOMPARE(v.bound, Bound::Processes);
        const qsizetype forked = v.failedCase.actual.count(u'.');
        QVERIFY2(forked >= v.limits.processes - 1 && forked < 3 * v.limits.processes, qPrintable(v.failedCase.actual));
        QTRY_COMPARE_WITH_TIMEOUT(processesNamed(u"pro_f"_s), 0, 5000);
    }

    // CPU time spent by any process of the program counts, here a vfork'd child in a session of its
    // own whose parent never waits for it. Each half stays below the limit; together they pass it.
    // The runner is given a long wall clock, so that only the CPU time can stop the program.
    void cpuTimeOfEveryProcessCounts()
    {
        if (!Sandbox::machine().isUsable())
            QSKIP("bwrap cannot make a sandbox on this machine: hostile programs are not run");
        const QString source = m_work->filePath(u"pro_v.c"_s), binary = m_work->filePath(u"pro_v"_s);
        StudentPrograms::writeFile(source, program(kIncludes, u"    clock_t start = clock();\n    if (vfork() == 0) {\n        setsid();\n"
            u"        while (clock() - start < 7 * CLOCKS_PER_SEC / 10)\n            ;\n        _exit(0);\n    }\n"
            u"    start = clock();\n    while (clock() - start < 7 * CLOCKS_PER_SEC / 10)\n        ;\n    printf(\"alive\\n\");\n"_s).toUtf8());
        QCOMPARE(QProcess::execute(u"gcc"_s, {u"-o"_s, binary, source}), 0);
        const QString folder = m_work->filePath(u"case"_s);
        QVERIFY(QDir().mkpath(folder));
        RunLimits limits;
        limits.cpuSeconds = 1;
        limits.wallMs = 30000;
        BoundedProcess runner;
        QSignalSpy finished(&runner, &BoundedProcess::finished);
        runner.start({binary, {}, folder, {}, limits, QProcess::SeparateChannels, &Sandbox::machine()});
        QVERIFY(finished.wait(40000));
        const RunResult result = finished.first().at(0).value<RunResult>();
        QVERIFY(result.sandboxed);
        QCOMPARE(result.bound, Bound::CpuTime);
        QCOMPARE(result.output, QByteArray());
    }

    // Each row is a program that, run directly, would reach outside its check. In the sandbox it
    // reaches nothing: it prints "alive" and passes, or it is stopped at a bound.
    void hostileProgramsReachNothing_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<VerdictKind>("kind");
        QTest::addColumn<Bound>("bound");
        QTest::newRow("signals its parent")
            << u"    kill(getppid(), SIGTERM);\n    kill(getppid(), SIGKILL);\n    usleep(200000);\n    printf(\"alive\\n\");\n"_s
            << VerdictKind::Passed << Bound::None;
        // Only ever where it is one of the first processes of a namespace of its own.
        QTest::newRow("signals every process")
            << u"    if (getpid() > 10) {\n        printf(\"not in a sandbox\\n\");\n        return 0;\n    }\n"
               u"    kill(-1, SIGKILL);\n    printf(\"alive\\n\");\n"_s
            << VerdictKind::Passed << Bound::None;
        QTest::newRow("leaves a process behind")
            << u"    if (fork() == 0) {\n        setsid();\n        if (fork() == 0) {\n            sleep(30);\n"
               u"            _exit(0);\n        }\n        _exit(0);\n    }\n    usleep(300000);\n    printf(\"alive\\n\");\n"_s
            << VerdictKind::Passed << Bound::None;
        QTest::newRow("writes into the home folder")
            << u"    char path[4096];\n    FILE *f;\n    snprintf(path, sizeof path, \"%s/written\", getenv(\"HOME\"));\n"
               u"    f = fopen(path, \"w\");\n    if (f != NULL && fputs(\"x\", f) >= 0 && fclose(f) == 0)\n        return 9;\n"
               u"    f = fopen(\"/tmp/own\", \"w\");\n    if (f == NULL)\n        return 8;\n    fclose(f);\n    printf(\"alive\\n\");\n"_s
            << VerdictKind::Passed << Bound::None;
        // 2^12 processes at most, each gone after 20 seconds.
        QTest::newRow("fork bomb") << u"    int i;\n    for (i = 0; i < 12; i++)\n        fork();\n    sleep(20);\n"_s
                                   << VerdictKind::RunError << Bound::Processes;
    }

    void hostileProgramsReachNothing()
    {
        if (!Sandbox::machine().isUsable())
            QSKIP("bwrap cannot make a sandbox on this machine: hostile programs are not run");
        QFETCH(QString, body);
        QFETCH(VerdictKind, kind);
        QFETCH(Bound, bound);
        // A process of the test's own, which a program that reached outside would end.
        QProcess neighbour;
        neighbour.start(u"sleep"_s, {u"60"_s});
        QVERIFY(neighbour.waitForStarted());
        // The longest time the event loop did not answer while the program ran: how long a window would freeze.
        qint64 longestPause = 0;
        QElapsedTimer clock, sinceTick;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { longestPause = std::max(longestPause, sinceTick.restart()); });
        clock.start();
        sinceTick.start();
        tick.start(10);
        const Verdict v = check(u"pro_h"_s, body);
        QVERIFY(clock.elapsed() < 30000);
        QVERIFY2(longestPause < 1000, qPrintable(QString::number(longestPause)));
        QVERIFY2(v.kind == kind && v.bound == bound, qPrintable(VerdictText::text(v)));
        QCOMPARE(v.isolation, Isolation::Sandboxed);
        // Nothing it started lives on; nothing outside it was touched.
        QTRY_COMPARE_WITH_TIMEOUT(processesNamed(u"pro_h"_s), 0, 5000);
        QCOMPARE(neighbour.state(), QProcess::Running);
        QCOMPARE(QDir(m_home->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QVERIFY(!QFile::exists(u"/tmp/own"_s));
        QCOMPARE(QDir(m_work->path()).entryList(QDir::Files), QStringList{u"pro_h.c"_s});
    }
};

QTEST_GUILESS_MAIN(TestSandbox)
#include "tst_sandbox.moc"
