#include "banktool/ProgramCheck.h"

#include "banktool/Language.h"
#include "banktool/ProofCache.h"
#include "judge/JudgeTask.h"
#include "judge/LineChanges.h"
#include "judge/MemoryChecker.h"
#include "judge/OutputComparison.h"
#include "judge/Sandbox.h"
#include "judge/VerdictText.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace ProgramCheck {

namespace {

constexpr int kMaxMessageLines = 30;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

// A program text as it is written into a .c file: with the line break it ends with.
QByteArray sourceBytes(const QString &program)
{
    QByteArray bytes = program.toUtf8();
    if (!bytes.endsWith('\n'))
        bytes += '\n';
    return bytes;
}

QString shortened(const QString &text)
{
    QStringList lines = text.trimmed().split(u'\n');
    if (lines.size() > kMaxMessageLines) {
        const int dropped = int(lines.size()) - kMaxMessageLines;
        lines = lines.mid(0, kMaxMessageLines);
        lines << localized(u"……（还有 %1 行）", u"... (%1 more lines)").arg(dropped);
    }
    return lines.join(u'\n');
}

QString quoted(const QString &line) { return u'"' + line + u'"'; }

// A reference that passes a bound would fail the student who wrote it: so does it here.
QString boundReached(Bound bound)
{
    const RunLimits limits = RunLimits::program();
    switch (bound) {
    case Bound::CpuTime:
    case Bound::WallTime:
        return localized(u"没有在学生程序的时间限制内结束（CPU 时间 %1 秒，总共 %2 秒）",
                         u" did not finish within a student's time bounds (%1 s of CPU time, %2 s in all)")
            .arg(limits.cpuSeconds).arg(limits.wallMs / 1000.0);
    case Bound::Memory:
        return localized(u"需要的内存超过了学生程序的限制（%1 MiB 地址空间）",
                         u" needs more memory than a student's bound (%1 MiB of address space)").arg(limits.memoryBytes >> 20);
    case Bound::Output:
        return localized(u"输出超过了学生程序的限制（%1 字节）", u" printed more than a student's bound (%1 bytes)")
            .arg(limits.outputBytes);
    case Bound::Processes:
        return localized(u"同时运行的进程超过了 %1 个", u" ran more than %1 processes at once").arg(limits.processes);
    case Bound::FileSize:
        return localized(u"写的文件超过了学生程序的限制（%1 MiB）", u" wrote a file larger than a student's bound (%1 MiB)")
            .arg(limits.fileBytes >> 20);
    case Bound::None: break;
    }
    return {};
}

bool underAddressChecker(const Settings &settings)
{
    return std::any_of(settings.addressFlags.begin(), settings.addressFlags.end(),
                       [&](const QString &flag) { return settings.runFlags.contains(flag); });
}

// Problems of one task, each prefixed with the task's place and name.
class Report
{
public:
    Report(const SourcePlace &place, const QString &label) : m_prefix(place.where() + QStringLiteral(": ") + label + QStringLiteral(": ")) {}
    void add(const QString &message) { m_problems << m_prefix + message; }
    QStringList problems() const { return m_problems; }

private:
    QString m_prefix;
    QStringList m_problems;
};

// One run of a program that must be right: the task's example or one of its further cases.
struct Trial
{
    QString name;      // "the example", "the case at line 40"; with 'what', "the corrected program on the example"
    QString input;
    QString data;      // written as the data file before the run, when the task has one
    QString expected;
};

QList<Trial> trialsOf(const QString &input, const QString &data, const QString &output, const QList<TaskCase> &cases)
{
    QList<Trial> trials{{localized(u"样例", u"the example"), input, data, output}};
    for (const TaskCase &c : cases)
        trials << Trial{localized(u"第 %1 行的用例", u"the case at line %1").arg(c.place.line), c.input, c.data, c.output};
    return trials;
}

QList<Trial> trialsOf(const ProgramTask &task)
{
    return trialsOf(task.input, task.data, task.output, task.cases);
}

// Runs a compiled program on one trial and compares what it prints. Returns false and reports
// when the trial does not pass.
bool proveRun(Report &report, const Settings &settings, const QString &what, const QString &exe, const QString &dir,
              const QString &dataName, const Trial &trial)
{
    const QString subject = localized(u"%1运行%2时", u"%1 on %2").arg(what, trial.name);
    if (!dataName.isEmpty() && !writeFile(QDir(dir).filePath(dataName), dataFileBytes(trial.data))) {
        report.add(localized(u"无法写入数据文件 %1", u"cannot write the data file %1").arg(dataName));
        return false;
    }
    const RunResult r = run(settings, exe, dir, trial.input);
    const QString output = QString::fromUtf8(r.output), errors = QString::fromUtf8(r.errors);
    if (!r.started) {
        report.add(localized(u"%1无法启动：%2", u"%1 could not be started: %2").arg(subject, r.startError));
        return false;
    }
    if (r.bound != Bound::None) {
        report.add(subject + boundReached(r.bound));
        return false;
    }
    if (r.crashed) {
        report.add(localized(u"%1崩溃了（%2），它输出了：\n%3", u"%1 crashed (%2); it printed:\n%3")
                       .arg(subject, VerdictText::signalName(r.exitCode), shortened(output + errors)));
        return false;
    }
    // The checkers built in stop the program at the first fault; what it printed so far does not matter.
    if (r.exitCode != 0 && (errors.contains(QStringLiteral("Sanitizer")) || errors.contains(QStringLiteral("runtime error:")))) {
        report.add(localized(u"%1被未定义行为或内存错误检查器中止：\n%2", u"%1 was stopped by the checker for undefined behaviour or memory faults:\n%2")
                       .arg(subject, shortened(errors)));
        return false;
    }
    const QString difference = outputDifference(trial.expected, output);
    if (!difference.isEmpty()) {
        QString message = localized(u"%1的输出与 'output' 不同：%2", u"%1 prints something else than 'output': %2").arg(subject, difference);
        message += localized(u"\n它的全部输出：\n", u"\nAll it printed:\n") + shortened(output);
        if (!errors.isEmpty())
            message += localized(u"\n它还向标准错误输出了：\n", u"\nIt also wrote to standard error:\n") + shortened(errors);
        report.add(message);
        return false;
    }
    if (r.exitCode != 0) {
        QString message = localized(u"%1以退出状态 %2 结束", u"%1 ends with exit status %2").arg(subject).arg(r.exitCode);
        if (!errors.isEmpty())
            message += QStringLiteral(":\n") + shortened(errors);
        report.add(message);
        return false;
    }
    return true;
}

// Compiles a program that must be right and proves it on every trial. Returns false and reports
// when it is not proven.
bool proveProgram(Report &report, const Settings &settings, const QString &what, const QString &program,
                  const QString &dir, const QString &name, const QList<Trial> &trials, const QString &dataName = {})
{
    const Compiled compiled = compile(settings, program, dir, name);
    if (!compiled.ok) {
        report.add(localized(u"%1编译不通过：\n%2", u"%1 does not compile:\n%2").arg(what, shortened(compiled.messages)));
        return false;
    }
    if (!compiled.clean) {
        report.add(localized(u"%1编译时有警告：\n%2", u"%1 compiles with warnings:\n%2").arg(what, shortened(compiled.messages)));
        return false;
    }
    const QString exe = QDir(dir).filePath(QFileInfo(name).completeBaseName());
    bool proven = true;
    for (const Trial &trial : trials)
        proven = proveRun(report, settings, what, exe, dir, dataName, trial) && proven;
    return proven;
}

bool makeTempDir(Report &report, QTemporaryDir &dir)
{
    if (dir.isValid())
        return true;
    report.add(localized(u"无法建立临时文件夹：%1", u"cannot make a temporary folder: %1").arg(dir.errorString()));
    return false;
}

}

Compiled compile(const Settings &settings, const QString &source, const QString &dir, const QString &name, bool link)
{
    Compiled result;
    const QString path = QDir(dir).filePath(name);
    if (!writeFile(path, sourceBytes(source))) {
        result.messages = localized(u"无法写入 %1", u"cannot write %1").arg(path);
        return result;
    }
    const QString base = QFileInfo(name).completeBaseName();
    QStringList args = settings.flags;
    if (link)
        args << settings.runFlags << QStringLiteral("-o") << base << name << QStringLiteral("-lm");
    else
        args << QStringLiteral("-c") << QStringLiteral("-o") << base + QStringLiteral(".o") << name;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // plain quotes in the messages
    const RunResult gcc = BoundedProcess::runToEnd(
        {settings.compiler, args, dir, {}, RunLimits::compiler(), QProcess::MergedChannels}, environment);
    if (!gcc.started) {
        result.messages = localized(u"无法启动 %1：%2", u"cannot start %1: %2").arg(settings.compiler, gcc.startError);
        return result;
    }
    result.messages = QString::fromUtf8(gcc.output).trimmed();
    if (gcc.bound != Bound::None) {
        result.messages += localized(u"\n（编译器超出了运行限制，已被终止）", u"\n(the compiler passed its bounds and was stopped)");
        return result;
    }
    result.ok = !gcc.crashed && gcc.exitCode == 0;
    result.clean = result.ok && result.messages.isEmpty();
    return result;
}

RunResult run(const Settings &settings, const QString &program, const QString &dir, const QString &input)
{
    const RunLimits limits = RunLimits::program();
    if (underAddressChecker(settings))
        return BoundedProcess::runToEnd({program, {}, dir, input.toLocal8Bit(), MemoryChecker::checkedLimits(limits),
                                         QProcess::SeparateChannels, &Sandbox::machine()},
                                        MemoryChecker::checkedEnvironment(limits));
    return BoundedProcess::runToEnd({program, {}, dir, input.toLocal8Bit(), limits, QProcess::SeparateChannels, &Sandbox::machine()});
}

QString fillBlanks(const QString &program, const QStringList &fills)
{
    static const QRegularExpression marker(QStringLiteral("___(\\d+)___"));
    QString filled;
    qsizetype from = 0;
    for (auto it = marker.globalMatch(program); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int k = m.captured(1).toInt();
        filled += program.mid(from, m.capturedStart() - from);
        filled += k >= 1 && k <= fills.size() ? fills[k - 1] : m.captured();
        from = m.capturedEnd();
    }
    filled += program.mid(from);
    return filled;
}

int statedFaults(const QString &title)
{
    static const QRegularExpression stated(QStringLiteral("(\\d+|[一二两三四五六七八九])\\s*处错"));
    static const QString numerals = QStringLiteral("一二三四五六七八九");
    int count = -1;
    for (auto it = stated.globalMatch(title); it.hasNext();) {
        const QString n = it.next().captured(1);
        if (n == u"两")
            count = 2;
        else if (numerals.contains(n))
            count = int(numerals.indexOf(n)) + 1;
        else
            count = n.toInt();
    }
    return count;
}

QString outputDifference(const QString &expected, const QString &actual)
{
    const QStringList e = OutputComparison::lines(expected), a = OutputComparison::lines(actual);
    const qsizetype i = OutputComparison::firstDifference(e, a);
    if (i < 0)
        return {};
    const QString nothing = localized(u"（没有这一行）", u"(nothing)");
    const QString want = i < e.size() ? quoted(e[i]) : nothing;
    const QString got = i < a.size() ? quoted(a[i]) : nothing;
    return localized(u"第 %1 行应为 %2，实际为 %3", u"line %1 should be %2 but is %3").arg(i + 1).arg(want, got);
}

QStringList checkBlank(const ProgramTask &task, const QString &label, const Settings &settings)
{
    Report report(task.place, label);
    QTemporaryDir dir;
    if (makeTempDir(report, dir))
        proveProgram(report, settings, localized(u"填空后的程序", u"the program with its fills"), fillBlanks(task.program, task.fills),
                     dir.path(), QStringLiteral("blank_filled.c"), trialsOf(task));
    return report.problems();
}

QStringList checkErr(const ProgramTask &task, const QString &label, const Settings &settings)
{
    Report report(task.place, label);
    QTemporaryDir dir;
    if (!makeTempDir(report, dir))
        return report.problems();
    proveProgram(report, settings, localized(u"改正后的程序", u"the corrected program"), task.corrected, dir.path(),
                 QStringLiteral("err_corrected.c"), trialsOf(task));

    // The faulty program must show its faults: no program, or one that fails the example or a case.
    const Compiled faulty = compile(settings, task.program, dir.path(), QStringLiteral("err_faulty.c"));
    const auto passes = [&](const Trial &trial) {
        const RunResult r = run(settings, QDir(dir.path()).filePath(QStringLiteral("err_faulty")), dir.path(), trial.input);
        return r.started && r.bound == Bound::None && !r.crashed && r.exitCode == 0
               && outputDifference(trial.expected, QString::fromUtf8(r.output)).isEmpty();
    };
    const QList<Trial> trials = trialsOf(task);
    if (faulty.ok && std::all_of(trials.begin(), trials.end(), passes))
        report.add(localized(u"有错的程序能通过编译，并且在样例和每个用例上都输出预期结果：看不出它的错误",
                             u"the faulty program compiles and prints the expected output on the example and every case: its faults do not show"));

    const int stated = statedFaults(task.title);
    if (stated < 0)
        report.add(localized(u"题目没有说明有几处错误（\"程序中有 %1 处错误\"）",
                             u"the title does not say how many faults there are (\"程序中有 %1 处错误\")").arg(task.faults));
    else if (stated != task.faults)
        report.add(localized(u"题目说有 %1 处错误，'faults' 却是 %2", u"the title speaks of %1 faults but 'faults' is %2").arg(stated).arg(task.faults));
    const int changed = LineChanges::between(task.program, task.corrected).count;
    if (changed != task.faults)
        report.add(localized(u"'faults' 是 %1，'program' 与 'corrected' 却有 %2 行不同",
                             u"'faults' is %1 but %2 lines differ between 'program' and 'corrected'").arg(task.faults).arg(changed));
    return report.problems();
}

QStringList checkPro(const ProgramTask &task, int position, const QString &label, const Settings &settings)
{
    Report report(task.place, label);
    QTemporaryDir dir;
    if (!makeTempDir(report, dir))
        return report.problems();
    const QString dataName = dataFileName(position);
    // The file a task names must be the one its program will find.
    static const QRegularExpression named(QStringLiteral("data_\\d+\\.dat"));
    for (const QString *text : {&task.title, &task.program, &task.answer}) {
        for (auto it = named.globalMatch(*text); it.hasNext();) {
            const QString name = it.next().captured();
            if (name != dataName) {
                report.add(localized(u"提到了数据文件 %1，但它是本部分的第 %2 题，数据文件应为 %3",
                                     u"names the data file %1, but as task %2 of its section its file is %3")
                               .arg(name).arg(position).arg(dataName));
                break;
            }
        }
    }
    if (task.hasData && !task.answer.contains(dataName))
        report.add(localized(u"有数据文件，参考程序却不打开 %1", u"has a data file, but the reference program does not open %1").arg(dataName));
    proveProgram(report, settings, localized(u"参考程序（answer）", u"the reference program ('answer')"), task.answer, dir.path(),
                 QStringLiteral("pro_answer.c"), trialsOf(task), task.hasData ? dataName : QString());
    const Compiled skeleton = compile(settings, task.program, dir.path(), QStringLiteral("pro_skeleton.c"), false);
    if (!skeleton.ok)
        report.add(localized(u"程序框架（program）编译不通过：\n%1", u"the skeleton ('program') does not compile:\n%1").arg(shortened(skeleton.messages)));
    return report.problems();
}

QStringList checkAlgorithm(const AlgorithmSource &algorithm, const QString &label, const Settings &settings)
{
    Report report(algorithm.place, label);
    Settings underAddressChecker = settings;
    underAddressChecker.runFlags << settings.addressFlags;
    QTemporaryDir dir;
    if (makeTempDir(report, dir))
        proveProgram(report, underAddressChecker, localized(u"程序", u"the program"), algorithm.program, dir.path(),
                     QStringLiteral("algorithm.c"),
                     trialsOf(algorithm.input, {}, algorithm.output, algorithm.cases));
    return report.problems();
}

namespace {

// All that a proof depends on, so that a proof of the same material can be trusted again.
QByteArray proofMaterial(QStringView kind, int position, const QStringList &fields, const QList<TaskCase> &cases)
{
    QStringList all{kind.toString(), QString::number(position)};
    all << fields;
    for (const TaskCase &c : cases)
        all << c.input << c.data << c.output;
    all << QString::number(cases.size());
    return all.join(QChar(0x1f)).toUtf8();
}

QByteArray proofMaterial(QStringView kind, int position, const ProgramTask &t)
{
    return proofMaterial(kind, position,
                         {t.title, t.program, t.fills.join(QChar(0x1e)), t.corrected, QString::number(t.faults), t.answer,
                          t.hasData ? QStringLiteral("data") : QString(), t.data, t.input, t.output},
                         t.cases);
}

}

QList<Check> checksOf(const BankSource &bank)
{
    QList<Check> checks;
    // Imported questions and algorithms hold nothing to prove them with.
    auto addSet = [&](const QString &owner, const QuestionSet &set) {
        for (int i = 0; i < set.blank.size(); ++i) {
            const ProgramTask t = set.blank[i];
            if (t.legacy)
                continue;
            const QString label = localized(u"%1 填空题 %2", u"%1, fill-in %2").arg(owner).arg(i + 1);
            checks << Check{t.place, label, [t, label](const Settings &s) { return checkBlank(t, label, s); },
                            proofMaterial(u"blank", i + 1, t)};
        }
        for (int i = 0; i < set.err.size(); ++i) {
            const ProgramTask t = set.err[i];
            if (t.legacy)
                continue;
            const QString label = localized(u"%1 改错题 %2", u"%1, correction %2").arg(owner).arg(i + 1);
            checks << Check{t.place, label, [t, label](const Settings &s) { return checkErr(t, label, s); },
                            proofMaterial(u"err", i + 1, t)};
        }
        for (int i = 0; i < set.pro.size(); ++i) {
            const ProgramTask t = set.pro[i];
            if (t.legacy)
                continue;
            const QString label = localized(u"%1 编程题 %2", u"%1, programming %2").arg(owner).arg(i + 1);
            checks << Check{t.place, label, [t, i, label](const Settings &s) { return checkPro(t, i + 1, label, s); },
                            proofMaterial(u"pro", i + 1, t)};
        }
    };
    for (const ChapterSource &c : bank.chapters)
        addSet(localized(u"第 %1 章", u"chapter %1").arg(c.id), c.exercise);
    for (const TestSetSource &t : bank.testSets)
        addSet(localized(u"测试题 %1", u"test set %1").arg(t.group), t.questions);
    for (const AlgorithmSource &a : bank.algorithms) {
        if (a.contentRtf)
            continue;
        const QString label = localized(u"算法 %1 %2", u"algorithm %1 %2").arg(a.id, a.title);
        checks << Check{a.place, label, [a, label](const Settings &s) { return checkAlgorithm(a, label, s); },
                        proofMaterial(u"algorithm", 0, {a.program, a.input, a.output}, a.cases)};
    }
    return checks;
}

QList<QStringList> runChecks(const QList<Check> &checks, const Settings &settings, int threads, ProofCache *cache)
{
    QList<QStringList> results(checks.size());
    std::atomic<qsizetype> next{0};
    auto work = [&] {
        for (qsizetype i = next++; i < checks.size(); i = next++) {
            if (cache && cache->holds(checks[i].material))
                continue;
            results[i] = checks[i].run(settings);
            if (cache && results[i].isEmpty())
                cache->add(checks[i].material);
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::max(1, threads); ++t)
        pool.emplace_back(work);
    work();
    for (std::thread &t : pool)
        t.join();
    return results;
}

}
