#include "judge/VerdictText.h"

#include "judge/CompilerAdvice.h"
#include "judge/OutputComparison.h"
#include "judge/ShownOutput.h"

#include <QDir>

#include <algorithm>
#include <csignal>

namespace VerdictText {

namespace {

constexpr int kMaxShownLines = 40;
constexpr int kContextLines = 5;   // shown before and after a marked line
constexpr int kMaxDataLines = 20;  // of a data file
constexpr int kMaxDataChars = 2000;
constexpr int kMaxNotes = 12;      // compiler messages explained one by one

QString caseName(const FailedCase &c)
{
    return (c.hidden ? QStringLiteral("隐藏测试 %1") : QStringLiteral("测试 %1")).arg(c.number);
}

QString size(qint64 bytes)
{
    return bytes >= (1 << 20) ? QStringLiteral("%1 MiB").arg(bytes >> 20) : QStringLiteral("%1 KiB").arg(bytes >> 10);
}

// The lines of an output as written: a line break at its end ends the last line, CR LF is a line break.
QStringList outputLines(const QString &output)
{
    QStringList lines = output.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    if (output.isEmpty())
        lines.clear();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

// The same lines as shown, every character visible.
QStringList shownLines(const QString &text)
{
    QStringList lines = outputLines(text);
    for (QString &line : lines)
        line = ShownOutput::line(line);
    return lines;
}

// Text shown as a block, its first lines only; an empty one says so.
QString block(const QString &text)
{
    QStringList lines = shownLines(text);
    if (lines.isEmpty())
        return QStringLiteral("（无）");
    if (lines.size() > kMaxShownLines) {
        const qsizetype more = lines.size() - kMaxShownLines;
        lines.resize(kMaxShownLines);
        lines << QStringLiteral("……（后面还有 %1 行）").arg(more);
    }
    return lines.join(u'\n');
}

// Columns a character takes in a monospace box: the wide ones of CJK text take two.
int columns(QStringView text)
{
    int width = 0;
    for (QChar c : text)
        width += c.unicode() >= 0x1100 && (c.unicode() <= 0x115f || (c.unicode() >= 0x2e80 && c.unicode() <= 0xa4cf)
                                            || (c.unicode() >= 0xac00 && c.unicode() <= 0xd7a3)
                                            || (c.unicode() >= 0xf900 && c.unicode() <= 0xfaff)
                                            || (c.unicode() >= 0xfe30 && c.unicode() <= 0xfe4f)
                                            || (c.unicode() >= 0xff00 && c.unicode() <= 0xff60)
                                            || (c.unicode() >= 0xffe0 && c.unicode() <= 0xffe6))
                     ? 2
                     : 1;
    return width;
}

// The lines of an output, numbered, the line `mark` (from 0) marked with '>' and, when `column`
// is given, a '^' under its first differing character. A long output is shown from a little before
// the mark to a little after it.
QString numbered(const QString &output, qsizetype mark, qsizetype column = -1)
{
    const QStringList lines = outputLines(output);
    const qsizetype first = mark > 2 * kContextLines ? mark - kContextLines : 0;
    const qsizetype shown = std::min(lines.size(), first > 0 ? mark + kContextLines : std::max<qsizetype>(kMaxShownLines, mark + kContextLines));
    const int width = int(QString::number(std::max<qsizetype>(shown, mark + 1)).size());
    QStringList result;
    if (first > 0)
        result << QStringLiteral("……（前面还有 %1 行）").arg(first);
    for (qsizetype i = first; i < shown; ++i) {
        result << QStringLiteral("%1 %2 | %3").arg(QChar(i == mark ? u'>' : u' ')).arg(i + 1, width).arg(ShownOutput::line(lines[i]));
        if (i == mark && column >= 0)
            result << QString(width + 5 + columns(ShownOutput::line(lines[i].left(column))), u' ') + u'^';
    }
    if (mark >= lines.size())
        result << QStringLiteral("> %1 | （没有这一行）").arg(mark + 1, width);
    if (shown < lines.size())
        result << QStringLiteral("……（后面还有 %1 行）").arg(lines.size() - shown);
    return result.isEmpty() ? QStringLiteral("（无）") : result.join(u'\n');
}

// An output with its blanks made visible: a space as '·', a tab as '→', each line end as '↵'.
QString visibleBlanks(const QString &output)
{
    QStringList lines = output.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        lines[i] = ShownOutput::line(lines[i].replace(u' ', u'·').replace(u'\t', u'→').replace(u'\r', u'␍'));
        if (i + 1 < lines.size())
            lines[i] += u'↵';
    }
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

// A data file as the student sees it: its first lines.
QString dataFileText(const QString &data)
{
    const QStringList lines = outputLines(data);
    if (lines.size() <= kMaxDataLines && data.size() <= kMaxDataChars)
        return block(data);
    QString shown = lines.mid(0, kMaxDataLines).join(u'\n').left(kMaxDataChars);
    return shown + QStringLiteral("\n……（数据文件共 %1 行，这里只显示开头）").arg(lines.size());
}

QString runProblem(const Verdict &v)
{
    const RunLimits &l = v.limits;
    switch (v.bound) {
    case Bound::CpuTime:
        return QStringLiteral("程序用了超过 %1 秒的 CPU 时间，已被终止。可能是死循环。").arg(l.cpuSeconds);
    case Bound::WallTime:
        return QStringLiteral("程序运行超过 %1 秒还没有结束，已被终止。可能是死循环，或者在等待输入。").arg(l.wallMs / 1000);
    case Bound::Memory:
        return QStringLiteral("程序用的内存超过了 %1 的限制，已被终止。").arg(size(l.memoryBytes));
    case Bound::Output:
        return QStringLiteral("程序的输出超过了 %1 的限制，已被终止。可能是循环没有结束，一直在输出。").arg(size(l.outputBytes));
    case Bound::Processes:
        return QStringLiteral("程序同时运行的进程超过了 %1 个的限制，已被终止。").arg(l.processes);
    case Bound::FileSize:
        return QStringLiteral("程序写的文件超过了 %1 的限制，已被终止。").arg(size(l.fileBytes));
    case Bound::None:
        break;
    }
    if (v.crashed)
        return QStringLiteral("程序异常终止：%1。").arg(signalName(v.exitCode));
    return QStringLiteral("程序结束时返回了 %1，而不是 0（main 函数正常结束时应当返回 0）。").arg(v.exitCode);
}

// What an open case ran on: its input and its data file.
QString caseInput(const FailedCase &c)
{
    QStringList parts;
    if (c.dataName.isEmpty() || !c.input.isEmpty())
        parts << QStringLiteral("输入：\n") + block(c.input);
    if (!c.dataName.isEmpty())
        parts << QStringLiteral("数据文件 %1：\n").arg(c.dataName) + dataFileText(c.data);
    return parts.join(QStringLiteral("\n\n"));
}

// For an open case: what the program printed first, so that it is in view, then what it should
// have printed, then what it ran on.
QString openCaseDetails(const Verdict &v)
{
    const FailedCase &c = v.failedCase;
    QStringList parts;
    if (v.kind == VerdictKind::FormatError) {
        parts << QStringLiteral("实际输出（· 是空格，↵ 是换行）：\n") + numbered(visibleBlanks(c.actual), c.firstDifference)
              << QStringLiteral("应当输出：\n") + numbered(visibleBlanks(c.expected), c.firstDifference);
    } else if (v.kind == VerdictKind::WrongOutput) {
        const QStringList expected = outputLines(c.expected), actual = outputLines(c.actual);
        const qsizetype line = c.firstDifference;
        const qsizetype column = line >= 0 && line < expected.size() && line < actual.size()
                                     ? OutputComparison::firstDifferentColumn(expected[line], actual[line])
                                     : -1;
        parts << QStringLiteral("实际输出：\n") + numbered(c.actual, line, column)
              << QStringLiteral("应当输出：\n") + numbered(c.expected, line, column);
    } else {
        parts << QStringLiteral("实际输出：\n") + block(c.actual);
    }
    parts << caseInput(c);
    if (!c.errors.isEmpty())
        parts << QStringLiteral("程序写到标准错误的内容：\n") + block(c.errors);
    return parts.join(QStringLiteral("\n\n"));
}

QString hiddenCaseNote(const Verdict &v)
{
    const FailedCase &c = v.failedCase;
    QString note = c.description.isEmpty() ? QString() : QStringLiteral("这个测试的输入：%1。").arg(c.description);
    note += QStringLiteral("隐藏测试的输入和答案不公开");
    if (v.passed > 0)
        note += QStringLiteral("；前面的 %1 个测试都通过了，请想一想程序还有哪些情况没有照顾到").arg(v.passed);
    return note + u'。';
}

// Warnings that may explain why a run failed, one line each, before the case.
QString suspectWarnings(const Verdict &v)
{
    QStringList lines;
    for (const CompilerMessage &m : v.compilerNotes) {
        if (CompilerAdvice::mayExplainRun(m))
            lines << QStringLiteral("第 %1 行：%2").arg(m.line).arg(CompilerAdvice::explain(m));
    }
    return lines.isEmpty() ? QString() : QStringLiteral("编译器的警告可能说明了原因：\n") + lines.join(u'\n');
}

QString failedCaseText(const Verdict &v)
{
    const FailedCase &c = v.failedCase;
    QString lead;
    if (v.kind == VerdictKind::WrongOutput) {
        lead = QStringLiteral("%1 没有通过。").arg(caseName(c));
        if (!c.hidden)
            lead += QStringLiteral("第 %1 行起输出不同（下面用 > 标出，^ 指出第一个不同的字符）。").arg(c.firstDifference + 1);
    } else if (v.kind == VerdictKind::FormatError) {
        lead = QStringLiteral("%1 没有通过：输出的内容都对，但空格、空行或换行与要求的不同。").arg(caseName(c));
        if (!c.hidden)
            lead += QStringLiteral("第 %1 行起不同（下面用 > 标出）。").arg(c.firstDifference + 1);
    } else {
        lead = QStringLiteral("%1：%2").arg(caseName(c), runProblem(v));
    }
    const QString suspects = suspectWarnings(v);
    if (!suspects.isEmpty())
        lead += QStringLiteral("\n\n") + suspects;
    if (c.hidden)
        return lead + u'\n' + hiddenCaseNote(v);
    return lead + QStringLiteral("\n\n") + openCaseDetails(v);
}

// Each compiler message with what it means, the errors first; the explanation stands above the
// compiler's own words.
QString explainedMessages(const Verdict &v, bool errors)
{
    QList<CompilerMessage> notes;
    for (const CompilerMessage &m : v.compilerNotes) {
        if (m.error == errors)
            notes << m;
    }
    if (!errors) // the warnings that may explain a run first
        std::stable_partition(notes.begin(), notes.end(), [](const CompilerMessage &m) { return CompilerAdvice::mayExplainRun(m); });
    QStringList parts;
    for (qsizetype i = 0; i < std::min<qsizetype>(notes.size(), kMaxNotes); ++i) {
        const CompilerMessage &m = notes[i];
        const QString advice = CompilerAdvice::explain(m);
        QString part;
        if (m.faultLine > 0)
            part = QStringLiteral("第 %1 行").arg(m.faultLine) + (advice.isEmpty() ? QStringLiteral("：") : QStringLiteral("：%1").arg(advice));
        else if (!advice.isEmpty())
            part = advice;
        parts << (part.isEmpty() ? m.text : part + u'\n' + m.text);
    }
    if (notes.size() > kMaxNotes)
        parts << QStringLiteral("……（编译器还有 %1 条信息）").arg(notes.size() - kMaxNotes);
    return parts.join(QStringLiteral("\n\n"));
}

QString compileErrorText(const Verdict &v)
{
    QString lead;
    if (!v.errorLines.isEmpty()) {
        QStringList lines;
        for (int line : v.errorLines)
            lines << QString::number(line);
        lead = QStringLiteral("程序第 %1 行有错误，没有编译成功。").arg(lines.join(u'、'));
    } else {
        lead = QStringLiteral("程序没有编译成功。");
    }
    // Messages the compiler wrote in a shape not read here are shown as they stand.
    const QString explained = explainedMessages(v, true);
    if (explained.isEmpty())
        return lead + QStringLiteral("\n\n编译器的信息：\n") + block(v.compilerMessages);
    QString text = lead + QStringLiteral("\n\n") + explained;
    const QString warnings = explainedMessages(v, false);
    if (!warnings.isEmpty())
        text += QStringLiteral("\n\n编译器的警告：\n") + warnings;
    return text;
}

QString listed(const QList<int> &numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    return texts.join(u'、');
}

QString tooManyChangesText(const Verdict &v)
{
    const int changed = int(v.changedLines.size() + v.removedLines.size());
    QString where;
    if (!v.changedLines.isEmpty())
        where = QStringLiteral("改动的是第 %1 行").arg(listed(v.changedLines));
    if (!v.removedLines.isEmpty())
        where += (where.isEmpty() ? QString() : QStringLiteral("，")) + QStringLiteral("删去了原来的第 %1 行").arg(listed(v.removedLines));
    return QStringLiteral("这道题有 %1 处错误，只需要改动 %1 行，这个程序却改动了 %2 行：%3。改错题只改有错误的行，"
                          "其余的行请保持原样（可以在编辑器中重新打开题目文件对照）。")
        .arg(v.faults)
        .arg(std::max(changed, v.faults + 1))
        .arg(where);
}

// What the student wrote in each blank of a fill-in task: "【1】i <= n".
QString fillsText(const Verdict &v)
{
    QStringList lines;
    for (qsizetype k = 0; k < v.fills.size() && k < v.blanks.size(); ++k)
        lines << QStringLiteral("【%1】%2").arg(v.blanks[k]).arg(v.fills[k].isEmpty() ? QStringLiteral("（空）") : v.fills[k]);
    return lines.isEmpty() ? QString() : QStringLiteral("你填的内容：\n") + lines.join(u'\n');
}

// What a memory fault means, for a beginner.
QString faultMeaning(MemoryFault fault)
{
    switch (fault) {
    case MemoryFault::OutOfBounds:
        return QStringLiteral("访问了数组范围以外的元素：长度为 n 的数组，下标只能是 0 到 n-1；字符串还要留一个位置给结尾的 '\\0'。");
    case MemoryFault::UseAfterFree: return QStringLiteral("free 之后又使用了这块内存。");
    case MemoryFault::UseAfterScope: return QStringLiteral("使用了已经结束的局部变量，例如返回了局部数组的地址。");
    case MemoryFault::DoubleFree: return QStringLiteral("同一个指针 free 了两次。");
    case MemoryFault::BadFree: return QStringLiteral("free 的指针不是 malloc 得到的（或者已经移动过）。");
    case MemoryFault::BadAddress: return QStringLiteral("通过空指针或没有初始化的指针访问了内存。");
    case MemoryFault::StackOverflow: return QStringLiteral("递归太深，或者局部数组太大。");
    case MemoryFault::MemoryLimit: return QStringLiteral("程序申请的内存太多。");
    case MemoryFault::Leak: return QStringLiteral("用 malloc 申请的内存用完后没有 free。");
    case MemoryFault::SignedOverflow: return QStringLiteral("int 等有符号整数的运算结果超出了它能表示的范围，结果是不确定的；可以改用更大的类型（如 long long）。");
    case MemoryFault::DivisionByZero: return QStringLiteral("除数（或 % 的右边）是 0。");
    case MemoryFault::NullPointer: return QStringLiteral("通过空指针（NULL）访问了内存，例如 fopen 或 malloc 失败后没有检查。");
    case MemoryFault::BadShift: return QStringLiteral("移位的位数是负数或不小于类型的位数。");
    case MemoryFault::Other: break;
    }
    return QStringLiteral("程序做了 C 语言没有规定结果的事。");
}

QString at(const SanitizerFinding &f)
{
    return f.line > 0 ? QStringLiteral("第 %1 行").arg(f.line) : QString();
}

QString memoryErrorText(const Verdict &v)
{
    const SanitizerFinding &f = v.findings.front();
    const FailedCase &c = v.failedCase;
    QString text = QStringLiteral("%1 的输出正确，但检查发现程序%2%3：%4这样的程序换一次运行、换一台电脑，结果就可能不同。")
                       .arg(caseName(c), at(f).isEmpty() ? QString() : QStringLiteral("在") + at(f), faultName(f.fault), faultMeaning(f.fault));
    if (c.hidden)
        text += u'\n' + hiddenCaseNote(v);
    else
        text += QStringLiteral("\n\n") + caseInput(c);
    return text + QStringLiteral("\n\n检查工具的信息：\n") + f.report;
}

// After the verdict of a check whose cases all ran: a leak as a note, or why memory was not checked.
QString memoryNotes(const Verdict &v)
{
    QStringList notes;
    for (const SanitizerFinding &f : v.findings) {
        if (f.fault == MemoryFault::Leak)
            notes << QStringLiteral("提示：内存没有释放%1（不影响结果）。%2\n%3")
                         .arg(at(f).isEmpty() ? QString() : QStringLiteral("，申请在") + at(f), faultMeaning(f.fault), f.report);
    }
    if (v.memoryCheck == MemoryCheck::Skipped)
        notes << QStringLiteral("（没有检查内存和未定义行为：%1。）").arg(v.memoryCheckSkipped);
    return notes.join(QStringLiteral("\n\n"));
}

// Said once under the verdict of a program that ran outside the sandbox.
QString unsandboxedNote(Isolation isolation)
{
    const QString risk = QStringLiteral("程序没有在沙箱中运行，而是直接运行的：它能读写你的文件，也能结束你的其他程序。");
    if (isolation == Isolation::NoBwrap)
        return QStringLiteral("注意：本机没有安装 bubblewrap（bwrap），") + risk
               + QStringLiteral("安装后（sudo apt install bubblewrap）再检查，程序就会在沙箱中运行。");
    return QStringLiteral("注意：bwrap 无法建立沙箱（系统可能关闭了用户命名空间），") + risk;
}

QString body(const Verdict &v)
{
    switch (v.kind) {
    case VerdictKind::Passed:
        return v.hiddenTotal > 0
                   ? QStringLiteral("程序在全部 %1 个测试上输出正确（其中 %2 个是隐藏测试）。").arg(v.total).arg(v.hiddenTotal)
                   : QStringLiteral("程序在全部 %1 个测试上输出正确。").arg(v.total);
    case VerdictKind::CompiledOnly:
        return QStringLiteral("题库中没有这道题的测试数据，只检查了编译，没有检查输出。");
    case VerdictKind::NoCompiler:
#ifdef Q_OS_WIN
        return QStringLiteral("没有找到 C 编译器：在 PATH 中找了 %1，没有找到。请安装 MinGW-w64 的 gcc，"
                              "并把它的 bin 文件夹加入 PATH，然后再检查程序。")
            .arg(v.compilers.join(u'、'));
#else
        return QStringLiteral("没有找到 C 编译器：在 PATH 中依次找了 %1，都没有找到。请先安装 gcc，"
                              "例如在终端中运行：\n\n    sudo apt install gcc\n\n装好后再检查程序。")
            .arg(v.compilers.join(u'、'));
#endif
    case VerdictKind::MissingFile:
        return QStringLiteral("找不到文件 %1，请先在编辑器中完成并保存。").arg(QDir::toNativeSeparators(v.file));
    case VerdictKind::BlanksLeft: {
        QStringList numbers, markers;
        for (int k : v.blanks) {
            numbers << QString::number(k);
            markers << QStringLiteral("___%1___").arg(k);
        }
        return QStringLiteral("第 %1 空还没有填（程序里还有 %2）。请在编辑器中填好、保存后再检查。")
            .arg(numbers.join(u'、'), markers.join(u'、'));
    }
    case VerdictKind::MemoryError:
        return memoryErrorText(v);
    case VerdictKind::FixedTextChanged:
        return QStringLiteral("第 %1 行不是填空的地方，不能改动。填空题只在 ___1___ 这样的空里填写，其余的地方请保持原样"
                              "（可以在编辑器中重新打开题目文件对照）。")
            .arg(v.changedLine);
    case VerdictKind::TooManyChanges:
        return tooManyChangesText(v);
    case VerdictKind::CompileError:
        return compileErrorText(v);
    case VerdictKind::TimeLimit:
    case VerdictKind::RunError:
    case VerdictKind::WrongOutput:
    case VerdictKind::FormatError:
        return failedCaseText(v);
    case VerdictKind::CannotCheck:
        return QStringLiteral("无法检查程序：%1").arg(v.problem);
    }
    return {};
}

}

QString faultName(MemoryFault fault)
{
    switch (fault) {
    case MemoryFault::OutOfBounds: return QStringLiteral("数组越界");
    case MemoryFault::UseAfterFree: return QStringLiteral("使用了已经释放的内存");
    case MemoryFault::UseAfterScope: return QStringLiteral("使用了已经结束的局部变量");
    case MemoryFault::DoubleFree: return QStringLiteral("同一块内存释放了两次");
    case MemoryFault::BadFree: return QStringLiteral("释放了不是 malloc 得到的内存");
    case MemoryFault::BadAddress: return QStringLiteral("访问了无效的地址");
    case MemoryFault::StackOverflow: return QStringLiteral("栈溢出");
    case MemoryFault::MemoryLimit: return QStringLiteral("内存超过了限制");
    case MemoryFault::Leak: return QStringLiteral("内存没有释放");
    case MemoryFault::SignedOverflow: return QStringLiteral("有符号整数溢出");
    case MemoryFault::DivisionByZero: return QStringLiteral("除以零");
    case MemoryFault::NullPointer: return QStringLiteral("使用了空指针");
    case MemoryFault::BadShift: return QStringLiteral("移位的位数不对");
    case MemoryFault::Other: break;
    }
    return QStringLiteral("未定义行为");
}

QString headline(const Verdict &verdict)
{
    switch (verdict.kind) {
    case VerdictKind::Passed: return QStringLiteral("全部通过 (%1/%2)").arg(verdict.passed).arg(verdict.total);
    case VerdictKind::CompiledOnly: return QStringLiteral("编译通过");
    case VerdictKind::NoCompiler: return QStringLiteral("没有找到 C 编译器");
    case VerdictKind::MissingFile: return QStringLiteral("找不到文件");
    case VerdictKind::BlanksLeft: return QStringLiteral("还有空没有填");
    case VerdictKind::CompileError: return QStringLiteral("编译错误");
    case VerdictKind::TimeLimit: return QStringLiteral("运行超时");
    case VerdictKind::RunError: return QStringLiteral("运行出错");
    case VerdictKind::WrongOutput: return QStringLiteral("输出不正确");
    case VerdictKind::FormatError: return QStringLiteral("格式错误");
    case VerdictKind::MemoryError:
        return verdict.findings.isEmpty() ? QStringLiteral("内存错误") : faultName(verdict.findings.front().fault);
    case VerdictKind::FixedTextChanged: return QStringLiteral("改动了不能改动的地方");
    case VerdictKind::TooManyChanges: return QStringLiteral("改动的行太多");
    case VerdictKind::CannotCheck: return QStringLiteral("无法检查");
    }
    return {};
}

QString text(const Verdict &verdict)
{
    QString result = headline(verdict) + QStringLiteral("\n\n") + body(verdict);
    const QString notes = memoryNotes(verdict);
    if (!notes.isEmpty())
        result += QStringLiteral("\n\n") + notes;
    const QString fills = fillsText(verdict);
    if (!fills.isEmpty() && verdict.kind != VerdictKind::BlanksLeft)
        result += QStringLiteral("\n\n") + fills;
    const bool ran = verdict.kind == VerdictKind::Passed || verdict.kind == VerdictKind::CompiledOnly
                     || verdict.kind == VerdictKind::TimeLimit || verdict.kind == VerdictKind::RunError
                     || verdict.kind == VerdictKind::WrongOutput || verdict.kind == VerdictKind::FormatError;
    if (ran && !verdict.compilerMessages.isEmpty()) {
        const QString explained = explainedMessages(verdict, false);
        result += QStringLiteral("\n\n编译器的警告（不影响运行，但常常指出错误）：\n")
                  + (explained.isEmpty() ? verdict.compilerMessages : explained);
    }
    if (ran && verdict.kind != VerdictKind::CompiledOnly && verdict.isolation != Isolation::Sandboxed)
        result += QStringLiteral("\n\n") + unsandboxedNote(verdict.isolation);
    return result;
}

QString signalName(int signal)
{
#ifdef Q_OS_WIN
    switch (quint32(signal)) {
    case 0xC0000005: return QStringLiteral("访问冲突（0xC0000005，段错误：数组越界、空指针或没有初始化的指针）");
    case 0xC0000094: return QStringLiteral("整数除以 0（0xC0000094）");
    case 0xC00000FD: return QStringLiteral("栈溢出（0xC00000FD，多半是递归太深或局部数组太大）");
    default: return QStringLiteral("异常代码 0x%1").arg(quint32(signal), 8, 16, u'0').toUpper();
    }
#else
    struct Name
    {
        int signal;
        const char *name;
        const char *meaning;
    };
    static const Name names[] = {
        {SIGSEGV, "SIGSEGV", "段错误：访问了不能访问的内存，例如数组越界、空指针或没有初始化的指针、递归太深，"
                            "或者数组太大、malloc 申请不到内存"},
        {SIGFPE, "SIGFPE", "算术错误，例如整数除以 0"},
        {SIGABRT, "SIGABRT", "程序中止，例如 assert 失败或 free 了不该 free 的指针"},
        {SIGBUS, "SIGBUS", "总线错误：访问了不对齐或不存在的内存"},
        {SIGILL, "SIGILL", "非法指令"},
        {SIGKILL, "SIGKILL", "被强行终止"},
        {SIGTERM, "SIGTERM", "被终止"},
        {SIGPIPE, "SIGPIPE", "向已关闭的管道写数据"},
        // Named so only when the program raised them itself: the limits they stand for were not reached.
        {SIGXCPU, "SIGXCPU", "CPU 时间超限的信号，但程序并没有用完限定的 CPU 时间"},
        {SIGXFSZ, "SIGXFSZ", "文件大小超限的信号，但程序并没有写到限定的大小"},
        {SIGTRAP, "SIGTRAP", "断点或陷阱"},
    };
    for (const Name &n : names) {
        if (n.signal == signal)
            return QStringLiteral("%1（%2）").arg(QLatin1String(n.name), QString::fromUtf8(n.meaning));
    }
    return QStringLiteral("信号 %1").arg(signal);
#endif
}

}
