// What the sandbox costs a run: one small program run through the judge's runner in the sandbox and
// directly, taking turns, so load on the machine falls on both alike. Goal: the sandbox adds at most
// 20 ms to a run (median of the pairs' differences). The CPU time the runs' processes used is given
// too: on a shared, busy machine it says what the wall clock cannot.
//
//   bench_sandbox [--runs N]

#include "judge/BoundedProcess.h"
#include "judge/Sandbox.h"

#include "Timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

const char kProgram[] = "#include <stdio.h>\nint main(void)\n{\n    int a, b;\n    if (scanf(\"%d%d\", &a, &b) != 2)\n"
                        "        return 1;\n    printf(\"%d\\n\", a + b);\n    return 0;\n}\n";

// CPU time of the children reaped so far, in milliseconds.
double childrenCpuMs()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Run
{
    double wallMs;
    double cpuMs;
};

Run runOnce(BoundedProcess &runner, const RunRequest &request)
{
    QEventLoop loop;
    RunResult result;
    const auto connection = QObject::connect(&runner, &BoundedProcess::finished, &loop, [&](const RunResult &r) {
        result = r;
        loop.quit();
    });
    const double cpuBefore = childrenCpuMs();
    const double ms = Timing::milliseconds([&] {
        runner.start(request);
        loop.exec();
    });
    QObject::disconnect(connection);
    if (!result.started || result.crashed || result.exitCode != 0 || result.output != "7\n" || result.sandboxed != (request.sandbox != nullptr))
        qFatal("the run failed: %s%s", result.output.constData(), result.errors.constData());
    return {ms, childrenCpuMs() - cpuBefore};
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int runs = 40;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--runs")
            runs = std::max(1, args[i + 1].toInt());
    }
    const Sandbox &sandbox = Sandbox::machine();
    if (!sandbox.isUsable())
        qFatal("bwrap cannot make a sandbox on this machine");

    QTemporaryDir work;
    if (!work.isValid())
        qFatal("cannot make a temporary folder");
    QFile source(work.filePath(u"sum.c"_s));
    if (!source.open(QIODevice::WriteOnly) || source.write(kProgram) < 0)
        qFatal("cannot write the program");
    source.close();
    if (QProcess::execute(u"gcc"_s, {u"-o"_s, work.filePath(u"sum"_s), source.fileName()}) != 0)
        qFatal("gcc failed");
    const QString folder = work.filePath(u"case"_s);
    QDir().mkpath(folder);

    BoundedProcess runner;
    const RunRequest direct{work.filePath(u"sum"_s), {}, folder, "3 4\n", RunLimits::program(), QProcess::SeparateChannels, nullptr};
    RunRequest sandboxed = direct;
    sandboxed.sandbox = &sandbox;

    runOnce(runner, direct);
    runOnce(runner, sandboxed);
    std::vector<double> plain, boxed, added, plainCpu, boxedCpu;
    for (int r = 0; r < runs; ++r) {
        const Run p = runOnce(runner, direct), b = runOnce(runner, sandboxed);
        plain.push_back(p.wallMs);
        boxed.push_back(b.wallMs);
        added.push_back(b.wallMs - p.wallMs);
        plainCpu.push_back(p.cpuMs);
        boxedCpu.push_back(b.cpuMs);
    }
    std::printf("one run of a small program, %d runs each, taking turns:\n", runs);
    std::printf("  directly:       median %6.1f ms, CPU time %5.1f ms\n", Timing::median(plain), Timing::median(plainCpu));
    std::printf("  in the sandbox: median %6.1f ms, CPU time %5.1f ms\n", Timing::median(boxed), Timing::median(boxedCpu));
    std::printf("the sandbox adds %.1f ms a run (median of the pairs; goal: at most 20 ms)\n", Timing::median(added));
    return 0;
}
