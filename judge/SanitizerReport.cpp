#include "judge/SanitizerReport.h"

#include <QRegularExpression>

namespace SanitizerReport {

namespace {

constexpr int kMaxReportLines = 14;

struct Kind
{
    const char *words;
    MemoryFault fault;
};

// The checkers' names for what they found, the most particular first.
const Kind kUndefined[] = {
    {"out of bounds", MemoryFault::OutOfBounds},
    {"signed integer overflow", MemoryFault::SignedOverflow},
    {"negation of", MemoryFault::SignedOverflow},
    {"division by zero", MemoryFault::DivisionByZero},
    {"null pointer", MemoryFault::NullPointer},
    {"shift", MemoryFault::BadShift},
};
const Kind kAddress[] = {
    {"stack-buffer-overflow", MemoryFault::OutOfBounds},
    {"stack-buffer-underflow", MemoryFault::OutOfBounds},
    {"heap-buffer-overflow", MemoryFault::OutOfBounds},
    {"global-buffer-overflow", MemoryFault::OutOfBounds},
    {"dynamic-stack-buffer-overflow", MemoryFault::OutOfBounds},
    {"heap-use-after-free", MemoryFault::UseAfterFree},
    {"stack-use-after-scope", MemoryFault::UseAfterScope},
    {"stack-use-after-return", MemoryFault::UseAfterScope},
    {"double-free", MemoryFault::DoubleFree},
    {"bad-free", MemoryFault::BadFree},
    {"not malloc()-ed", MemoryFault::BadFree},
    {"stack-overflow", MemoryFault::StackOverflow},
    {"SEGV", MemoryFault::BadAddress},
    {"rss limit", MemoryFault::MemoryLimit},
    {"allocation-size-too-big", MemoryFault::MemoryLimit},
    {"out of memory", MemoryFault::MemoryLimit},
};

template<std::size_t N>
MemoryFault faultOf(const QString &line, const Kind (&kinds)[N])
{
    for (const Kind &k : kinds) {
        if (line.contains(QLatin1String(k.words)))
            return k.fault;
    }
    return MemoryFault::Other;
}

// The lines of a report worth showing: up to its summary, without the map of shadow memory, the
// frames of the C library or the process number, and with the temporary folder taken off the names.
QString shown(const QStringList &lines, qsizetype from, const QString &fileName)
{
    static const QRegularExpression folder(QStringLiteral("/[^\\s:]*/(?=[^/\\s]+:\\d)"));
    static const QRegularExpression process(QStringLiteral("^==\\d+=="));
    static const QRegularExpression frame(QStringLiteral("^\\s*#\\d+ 0x"));
    QStringList kept;
    for (qsizetype i = from; i < lines.size() && kept.size() < kMaxReportLines; ++i) {
        QString line = lines[i];
        if (line.startsWith(QStringLiteral("Shadow bytes")) || line.startsWith(QStringLiteral("HINT"))
            || (i > from && line.contains(QStringLiteral("runtime error:"))))
            break;
        if (frame.match(line).hasMatch() && !line.contains(fileName))
            continue;
        if (line.trimmed().isEmpty()) {
            if (!kept.isEmpty() && !kept.back().isEmpty())
                kept << QString();
            continue;
        }
        kept << line.replace(process, QString()).replace(folder, QString());
        if (line.startsWith(QStringLiteral("SUMMARY")))
            break;
    }
    while (!kept.isEmpty() && kept.back().isEmpty())
        kept.removeLast();
    return kept.join(u'\n');
}

// The first line of the student's file a report names: "#1 0x… in main /tmp/x/pro_1.c:9".
int firstLine(const QStringList &lines, qsizetype from, const QString &fileName)
{
    const QRegularExpression named(QStringLiteral("[/ ]") + QRegularExpression::escape(fileName) + QStringLiteral(":(\\d+)"));
    for (qsizetype i = from; i < lines.size() && !lines[i].startsWith(QStringLiteral("SUMMARY")); ++i) {
        const QRegularExpressionMatch m = named.match(lines[i]);
        if (m.hasMatch())
            return m.captured(1).toInt();
    }
    return 0;
}

}

QList<SanitizerFinding> read(const QString &errors, const QString &fileName)
{
    static const QRegularExpression undefined(QStringLiteral("^(?:.*/)?([^/:]+):(\\d+):\\d+: runtime error: (.*)$"));
    const QStringList lines = QString(errors).remove(u'\r').split(u'\n');
    QList<SanitizerFinding> fault, leaks;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QRegularExpressionMatch u = undefined.match(line);
        if (u.hasMatch() && fault.isEmpty()) {
            fault << SanitizerFinding{faultOf(u.captured(3), kUndefined), u.captured(1) == fileName ? u.captured(2).toInt() : 0,
                                      shown(lines, i, fileName)};
        } else if (line.contains(QStringLiteral("ERROR: LeakSanitizer: detected memory leaks"))) {
            leaks << SanitizerFinding{MemoryFault::Leak, firstLine(lines, i, fileName), shown(lines, i, fileName)};
        } else if (line.contains(QStringLiteral("ERROR: AddressSanitizer")) && fault.isEmpty()) {
            fault << SanitizerFinding{faultOf(line, kAddress), firstLine(lines, i, fileName), shown(lines, i, fileName)};
        }
    }
    return fault + leaks;
}

bool checkerFailed(const QString &errors)
{
    return errors.contains(QStringLiteral("LeakSanitizer has encountered a fatal error"))
           || errors.contains(QStringLiteral("Shadow memory range interleaves"))
           || errors.contains(QStringLiteral("ReserveShadowMemoryRange failed"));
}

}
