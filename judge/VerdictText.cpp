#include "judge/VerdictText.h"

#include "judge/ShownOutput.h"

#include <QDir>

#include <algorithm>
#include <csignal>

namespace VerdictText {

namespace {

constexpr int kMaxShownLines = 40;

QString caseName(const FailedCase &c)
{
    return (c.hidden ? QStringLiteral("隐藏测试 %1") : QStringLiteral("测试 %1")).arg(c.number);
}

QString size(qint64 bytes)
{
    return bytes >= (1 << 20) ? QStringLiteral("%1 MiB").arg(bytes >> 20) : QStringLiteral("%1 KiB").arg(bytes >> 10);
}

// The lines of a text as shown: a line break at its end ends the last line, CR LF is a line break.
QStringList shownLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        line = ShownOutput::line(line);
    }
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

// The lines of an output, numbered, the line `mark` (from 0) marked with '>'; long outputs are cut
// a little after the mark.
QString numbered(const QString &output, qsizetype mark)
{
    const QStringList lines = shownLines(output);
    const qsizetype shown = std::min(lines.size(), std::max<qsizetype>(kMaxShownLines, mark + 5));
    const int width = int(QString::number(shown).size());
    QStringList result;
    for (qsizetype i = 0; i < shown; ++i)
        result << QStringLiteral("%1 %2 | %3").arg(QChar(i == mark ? u'>' : u' ')).arg(i + 1, width).arg(lines[i]);
    if (mark >= lines.size())
        result << QStringLiteral("> %1 | （没有这一行）").arg(mark + 1, width);
    if (shown < lines.size())
        result << QStringLiteral("……（后面还有 %1 行）").arg(lines.size() - shown);
    return result.isEmpty() ? QStringLiteral("（无）") : result.join(u'\n');
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

// For an open case: its input, and what the program printed.
QString openCaseDetails(const FailedCase &c, bool withExpected)
{
    QStringList parts{QStringLiteral("输入：\n") + block(c.input)};
    if (withExpected)
        parts << QStringLiteral("应当输出：\n") + numbered(c.expected, c.firstDifference);
    parts << QStringLiteral("实际输出：\n") + (withExpected ? numbered(c.actual, c.firstDifference) : block(c.actual));
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

QString failedCaseText(const Verdict &v)
{
    const FailedCase &c = v.failedCase;
    QString lead;
    if (v.kind == VerdictKind::WrongOutput) {
        lead = QStringLiteral("%1 没有通过。").arg(caseName(c));
        if (!c.hidden)
            lead += QStringLiteral("第 %1 行起输出不同（下面用 > 标出）。").arg(c.firstDifference + 1);
    } else {
        lead = QStringLiteral("%1：%2").arg(caseName(c), runProblem(v));
    }
    if (c.hidden)
        return lead + u'\n' + hiddenCaseNote(v);
    return lead + QStringLiteral("\n\n") + openCaseDetails(c, v.kind == VerdictKind::WrongOutput);
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
    return lead + QStringLiteral("\n\n编译器的信息：\n") + block(v.compilerMessages);
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
    case VerdictKind::CompileError:
        return compileErrorText(v);
    case VerdictKind::TimeLimit:
    case VerdictKind::RunError:
    case VerdictKind::WrongOutput:
        return failedCaseText(v);
    case VerdictKind::CannotCheck:
        return QStringLiteral("无法检查程序：%1").arg(v.problem);
    }
    return {};
}

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
    case VerdictKind::CannotCheck: return QStringLiteral("无法检查");
    }
    return {};
}

QString text(const Verdict &verdict)
{
    QString result = headline(verdict) + QStringLiteral("\n\n") + body(verdict);
    const bool ran = verdict.kind == VerdictKind::Passed || verdict.kind == VerdictKind::CompiledOnly
                     || verdict.kind == VerdictKind::TimeLimit || verdict.kind == VerdictKind::RunError
                     || verdict.kind == VerdictKind::WrongOutput;
    if (ran && !verdict.compilerMessages.isEmpty())
        result += QStringLiteral("\n\n编译器的警告（不影响运行，但常常指出错误）：\n") + verdict.compilerMessages;
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
