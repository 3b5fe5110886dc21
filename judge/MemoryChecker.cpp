#include "judge/MemoryChecker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {

// Larger than any program's own mappings: the checkers' shadow memory must fit.
constexpr qint64 kUnboundAddressSpace = qint64(1) << 47;
// The checkers slow a program down a few times.
constexpr int kSlowdown = 3;

QStringList checkerFlags()
{
    return {QStringLiteral("-std=c99"), QStringLiteral("-g"), QStringLiteral("-fsanitize=address,undefined"),
            QStringLiteral("-fno-sanitize-recover=all"), QStringLiteral("-fno-omit-frame-pointer")};
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}

MemoryChecker::MemoryChecker(QObject *parent) : QObject(parent)
{
    QProcessEnvironment compiling = QProcessEnvironment::systemEnvironment();
    compiling.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    m_compiler.setEnvironment(compiling);
    connect(&m_compiler, &BoundedProcess::finished, this, &MemoryChecker::compiled);
    connect(&m_runner, &BoundedProcess::finished, this, &MemoryChecker::caseRan);
}

void MemoryChecker::start(const QString &compiler, const QString &folder, const QString &sourceName, const JudgeTask &task,
                          const RunLimits &limits, const Sandbox *sandbox)
{
    m_sandbox = sandbox;
    m_folder = folder;
    m_sourceName = sourceName;
    m_task = task;
    m_result = {};
    m_case = 0;
    m_limits = checkedLimits(limits);
    m_runner.setEnvironment(checkedEnvironment(limits));
#ifdef Q_OS_WIN
    m_result.skipped = QStringLiteral("Windows 上的 gcc 不带这项检查");
    QTimer::singleShot(0, this, &MemoryChecker::finish);
#else
    const QString program = QFileInfo(sourceName).completeBaseName() + QStringLiteral("_checked");
    m_program = QDir(folder).filePath(program);
    m_compiler.start({compiler, checkerFlags() << QStringLiteral("-o") << program << sourceName << QStringLiteral("-lm"), folder,
                      {}, RunLimits::compiler(), QProcess::MergedChannels});
#endif
}

RunLimits MemoryChecker::checkedLimits(const RunLimits &limits)
{
    RunLimits checked = limits;
    checked.cpuSeconds *= kSlowdown;
    checked.wallMs *= kSlowdown;
    checked.memoryBytes = kUnboundAddressSpace;
    return checked;
}

QProcessEnvironment MemoryChecker::checkedEnvironment(const RunLimits &limits)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       QStringLiteral("hard_rss_limit_mb=%1:quarantine_size_mb=16:allocator_may_return_null=1:detect_leaks=1:"
                                      "abort_on_error=0:print_legend=0")
                           .arg(limits.memoryBytes >> 20));
    environment.insert(QStringLiteral("UBSAN_OPTIONS"), QStringLiteral("print_stacktrace=1"));
    return environment;
}

void MemoryChecker::stop()
{
    m_compiler.stop();
    m_runner.stop();
}

void MemoryChecker::compiled(const RunResult &result)
{
    if (!result.started || result.bound != Bound::None || result.crashed || result.exitCode != 0 || !QFileInfo::exists(m_program)) {
        const QString output = QString::fromLocal8Bit(result.output);
        m_result.skipped = output.contains(QStringLiteral("asan")) || output.contains(QStringLiteral("ubsan"))
                                   || output.contains(QStringLiteral("sanitize"))
                               ? QStringLiteral("这台电脑上的 C 编译器缺少检查用的运行库（libasan、libubsan）")
                               : QStringLiteral("带检查的编译没有成功");
        finish();
        return;
    }
    runCase();
}

void MemoryChecker::runCase()
{
    const JudgeCase &c = m_task.cases[m_case];
    const QString folder = QDir(m_folder).filePath(QStringLiteral("checked_%1").arg(m_case + 1));
    if (!QDir().mkpath(folder)
        || (!m_task.dataName.isEmpty() && !writeFile(QDir(folder).filePath(m_task.dataName), dataFileBytes(c.data)))) {
        m_result.skipped = QStringLiteral("无法在临时文件夹中准备测试数据");
        finish();
        return;
    }
    m_runner.start({m_program, {}, folder, c.input.toLocal8Bit(), m_limits, QProcess::SeparateChannels, m_sandbox});
}

void MemoryChecker::caseRan(const RunResult &result)
{
    const QString errors = QString::fromLocal8Bit(result.errors);
    QList<SanitizerFinding> findings = SanitizerReport::read(errors, m_sourceName);
    if (!result.started || (findings.isEmpty() && SanitizerReport::checkerFailed(errors))) {
        m_result.skipped = QStringLiteral("检查工具在这台电脑上无法运行");
        finish();
        return;
    }
    const bool fault = !findings.isEmpty() && findings.front().fault != MemoryFault::Leak;
    if (fault) {
        m_result.findings.prepend(findings.takeFirst());
        m_result.faultyCase = m_case;
        m_result.output = result.output;
    }
    // One note of a leak is enough: every case would tell the same.
    if (!findings.isEmpty() && (m_result.findings.isEmpty() || m_result.findings.back().fault != MemoryFault::Leak))
        m_result.findings << findings.front();
    if (fault || ++m_case >= m_task.cases.size()) {
        m_result.check = fault ? MemoryCheck::Found : MemoryCheck::Clean;
        finish();
        return;
    }
    runCase();
}

void MemoryChecker::finish()
{
    if (!m_result.skipped.isEmpty())
        m_result.check = MemoryCheck::Skipped;
    emit finished(m_result);
}
