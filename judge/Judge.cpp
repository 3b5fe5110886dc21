#include "judge/Judge.h"

#include "judge/FillIn.h"
#include "judge/LineChanges.h"
#include "judge/OutputComparison.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kMaxCompilerLines = 30;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The compiler's first messages.
QString firstMessages(const QByteArray &output)
{
    QStringList lines = QString::fromLocal8Bit(output).trimmed().split(u'\n');
    if (lines.size() > kMaxCompilerLines) {
        const qsizetype more = lines.size() - kMaxCompilerLines;
        lines.resize(kMaxCompilerLines);
        lines << QStringLiteral("……（编译器还有 %1 行信息）").arg(more);
    }
    return lines.join(u'\n');
}

// The lines of the file where the errors most likely are, in order.
QList<int> errorLines(const QList<CompilerMessage> &messages)
{
    QList<int> lines;
    for (const CompilerMessage &m : messages) {
        if (m.error && m.faultLine > 0 && !lines.contains(m.faultLine))
            lines << m.faultLine;
    }
    return lines;
}

// The case a run failed on, as the student may see it: a hidden one by its number and description alone.
FailedCase failedCaseOf(const JudgeCase &c, const QString &dataName, const QByteArray &output, const QByteArray &errors)
{
    FailedCase failed;
    failed.number = c.number;
    failed.hidden = c.hidden;
    failed.description = c.description;
    if (!c.hidden) {
        failed.input = c.input;
        failed.dataName = dataName;
        failed.data = c.data;
        failed.expected = c.expected;
        failed.actual = QString::fromLocal8Bit(output);
        failed.errors = QString::fromLocal8Bit(errors);
    }
    return failed;
}

}

Judge::Judge(QObject *parent) : QObject(parent)
{
    // The compiler speaks plain English with plain quotes; its messages are found by their words.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    m_compiler.setEnvironment(environment);
    connect(&m_compiler, &BoundedProcess::finished, this, &Judge::compiled);
    connect(&m_runner, &BoundedProcess::finished, this, &Judge::caseRan);
    connect(&m_memory, &MemoryChecker::finished, this, &Judge::memoryChecked);
}

Judge::~Judge()
{
    stop();
}

bool Judge::start(const JudgeTask &task)
{
    if (m_running)
        return false;
    m_running = true;
    ++m_check;
    m_task = task;
    m_verdict = {};
    m_verdict.file = task.sourcePath;
    m_verdict.total = int(task.cases.size());
    m_verdict.hiddenTotal = int(std::count_if(task.cases.begin(), task.cases.end(), [](const JudgeCase &c) { return c.hidden; }));
    m_verdict.limits = RunLimits::program();
    if (!m_sandbox)
        m_sandbox = Sandbox::machine();
    m_verdict.isolation = m_sandbox->isolation();

    m_compilerPath = CompilerLookup::find(m_finder);
    const QString &compiler = m_compilerPath;
    if (compiler.isEmpty()) {
        m_verdict.compilers = CompilerLookup::searchOrder();
        finish(VerdictKind::NoCompiler);
        return true;
    }
    QFile file(task.sourcePath);
    if (!QFileInfo(task.sourcePath).isFile()) {
        finish(VerdictKind::MissingFile);
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        cannotCheck(QStringLiteral("无法读取文件 %1：%2").arg(QDir::toNativeSeparators(task.sourcePath), file.errorString()));
        return true;
    }
    const QByteArray source = file.readAll();
    m_source = QString::fromLocal8Bit(source);
    if (!keepsToTheTask(m_source))
        return true;

    m_folder = std::make_unique<QTemporaryDir>();
    const QString name = QFileInfo(task.sourcePath).fileName();
    // A copy under the student's own file name, so the compiler's messages name their file.
    if (!m_folder->isValid() || !writeFile(m_folder->filePath(name), source)) {
        cannotCheck(QStringLiteral("无法在临时文件夹中准备程序：%1").arg(m_folder->errorString()));
        return true;
    }
    QString program = QFileInfo(name).completeBaseName();
#ifdef Q_OS_WIN
    program += QStringLiteral(".exe");
#endif
    m_program = m_folder->filePath(program);
    emit progress(QStringLiteral("正在编译……"));
    // The compiler is trusted with the student's file, not sandboxed; bounded, it cannot run away.
    m_compiler.start({compiler, {QStringLiteral("-std=c99"), QStringLiteral("-Wall"), QStringLiteral("-o"), program, name, QStringLiteral("-lm")},
                      m_folder->path(), {}, RunLimits::compiler(), QProcess::MergedChannels});
    return true;
}

// Fill-in and correction are about where the program is changed: a file changed elsewhere, or
// in more places than the task has faults, is refused before it is compiled.
bool Judge::keepsToTheTask(const QString &file)
{
    // Some editors begin a UTF-8 file with a byte-order mark, which the compiler skips as well.
    const QString source = file.startsWith(QChar(0xfeff)) ? file.mid(1) : file;
    if (m_task.kind == TaskKind::FillIn) {
        // A task of an old bank may mark its blanks otherwise: then only the marks left are looked for.
        if (FillIn::marks(m_task.handedOut).isEmpty()) {
            // Without the program as handed out, only the marks left in the file can be seen.
            QList<int> left = FillIn::marks(source);
            std::sort(left.begin(), left.end());
            left.erase(std::unique(left.begin(), left.end()), left.end());
            m_verdict.blanks = left;
        } else {
            const FillIn::Reading reading = FillIn::read(m_task.handedOut, source);
            if (!reading.fixedTextKept) {
                m_verdict.changedLine = reading.changedLine;
                finish(VerdictKind::FixedTextChanged);
                return false;
            }
            m_verdict.fills = reading.fills;
            m_verdict.blanks = reading.unfilled.isEmpty() ? reading.blanks : reading.unfilled;
            if (reading.unfilled.isEmpty())
                return true;
        }
        if (!m_verdict.blanks.isEmpty()) {
            finish(VerdictKind::BlanksLeft);
            return false;
        }
    }
    if (m_task.kind == TaskKind::Correction && m_task.faults > 0 && !m_task.handedOut.isEmpty()) {
        const LineChanges::Changes changes = LineChanges::between(m_task.handedOut, source);
        if (changes.count > m_task.faults) {
            m_verdict.faults = m_task.faults;
            m_verdict.changedLines = changes.afterLines;
            m_verdict.removedLines = changes.beforeLines;
            finish(VerdictKind::TooManyChanges);
            return false;
        }
    }
    return true;
}

void Judge::stop()
{
    m_compiler.stop();
    m_runner.stop();
    m_memory.stop();
    m_folder.reset();
    m_running = false;
}

void Judge::compiled(const RunResult &result)
{
    if (!result.started) {
        cannotCheck(QStringLiteral("无法启动 C 编译器：%1").arg(result.startError));
        return;
    }
    m_verdict.compilerMessages = firstMessages(result.output);
    m_verdict.compilerNotes = CompilerMessages::parse(QString::fromLocal8Bit(result.output), QFileInfo(m_task.sourcePath).fileName(), m_source);
    if (result.bound != Bound::None || result.crashed || result.exitCode != 0 || !QFileInfo::exists(m_program)) {
        if (result.bound != Bound::None)
            m_verdict.compilerMessages += QStringLiteral("\n（编译器超出了运行限制，已被终止）");
        m_verdict.errorLines = errorLines(m_verdict.compilerNotes);
        finish(VerdictKind::CompileError);
        return;
    }
    m_case = 0;
    if (m_task.cases.isEmpty())
        finish(VerdictKind::CompiledOnly);
    else
        runCase();
}

void Judge::runCase()
{
    const JudgeCase &c = m_task.cases[m_case];
    emit progress(QStringLiteral("正在运行测试 %1/%2……").arg(m_case + 1).arg(m_task.cases.size()));
    // Each case in a folder of its own: what one run writes cannot reach the next.
    const QString folder = m_folder->filePath(QStringLiteral("case_%1").arg(m_case + 1));
    if (!QDir().mkpath(folder)
        || (!m_task.dataName.isEmpty() && !writeFile(QDir(folder).filePath(m_task.dataName), dataFileBytes(c.data)))) {
        cannotCheck(QStringLiteral("无法在临时文件夹中准备测试数据"));
        return;
    }
    m_runner.start({m_program, {}, folder, c.input.toLocal8Bit(), m_verdict.limits, QProcess::SeparateChannels, &*m_sandbox});
}

void Judge::caseRan(const RunResult &result)
{
    const JudgeCase &c = m_task.cases[m_case];
    const QString output = QString::fromLocal8Bit(result.output);
    FailedCase failed = failedCaseOf(c, m_task.dataName, result.output, result.errors);
    failed.firstDifference = OutputComparison::firstDifference(OutputComparison::lines(c.expected), OutputComparison::lines(output));
    m_verdict.failedCase = failed;
    m_verdict.bound = result.bound;
    m_verdict.crashed = result.crashed;
    m_verdict.exitCode = result.exitCode;
    if (!result.started) {
        cannotCheck(QStringLiteral("无法运行编译出的程序：%1").arg(result.startError));
        return;
    }
    if (result.bound == Bound::CpuTime || result.bound == Bound::WallTime) {
        finish(VerdictKind::TimeLimit);
        return;
    }
    if (result.bound != Bound::None || result.crashed || result.exitCode != 0) {
        finish(VerdictKind::RunError);
        return;
    }
    if (failed.firstDifference >= 0) {
        finish(OutputComparison::sameWords(c.expected, output) ? VerdictKind::FormatError : VerdictKind::WrongOutput);
        return;
    }
    m_verdict.failedCase = {};
    ++m_verdict.passed;
    if (++m_case < m_task.cases.size()) {
        runCase();
    } else if (m_task.checkMemory) {
        emit progress(QStringLiteral("正在检查内存和未定义行为……"));
        m_memory.start(m_compilerPath, m_folder->path(), QFileInfo(m_task.sourcePath).fileName(), m_task, m_verdict.limits,
                       &*m_sandbox);
    } else {
        finish(VerdictKind::Passed);
    }
}

void Judge::memoryChecked(const MemoryCheckResult &result)
{
    m_verdict.memoryCheck = result.check;
    m_verdict.memoryCheckSkipped = result.skipped;
    m_verdict.findings = result.findings;
    if (result.check != MemoryCheck::Found) {
        finish(VerdictKind::Passed);
        return;
    }
    // Its standard error is the checkers' report, which the findings tell.
    m_verdict.failedCase = failedCaseOf(m_task.cases[result.faultyCase], m_task.dataName, result.output, {});
    finish(VerdictKind::MemoryError);
}

void Judge::cannotCheck(const QString &problem)
{
    m_verdict.problem = problem;
    finish(VerdictKind::CannotCheck);
}

void Judge::finish(VerdictKind kind)
{
    m_verdict.kind = kind;
    m_folder.reset();
    QTimer::singleShot(0, this, [this, check = m_check, verdict = m_verdict] {
        if (!m_running || check != m_check)
            return;
        m_running = false;
        emit finished(verdict);
    });
}
