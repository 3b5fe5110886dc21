#include "banktool/CheckCommand.h"

#include "banktool/CourseRules.h"
#include "banktool/KeyBalance.h"
#include "banktool/Language.h"
#include "banktool/ProgramCheck.h"
#include "banktool/ProofCache.h"

#include <QStandardPaths>
#include <QThread>

#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", qPrintable(text));
    std::fflush(stream);
}

void printAll(const QStringList &lines, const QString &prefix = {})
{
    for (const QString &line : lines)
        print(stderr, prefix + line);
}

// The checks grouped by the file they come from, in the order of the files.
QList<QList<ProgramCheck::Check>> byFile(const QList<ProgramCheck::Check> &checks)
{
    QList<QList<ProgramCheck::Check>> files;
    for (const ProgramCheck::Check &c : checks) {
        if (files.isEmpty() || files.back().front().place.file != c.place.file)
            files.append(QList<ProgramCheck::Check>());
        files.back() << c;
    }
    return files;
}

// Proves every program, a file at a time. Returns the number of faults.
int proveAll(const BankSource &bank, const QString &cacheFile)
{
    const ProgramCheck::Settings settings;
    if (QStandardPaths::findExecutable(settings.compiler).isEmpty()) {
        print(stderr, localized(u"没有找到 C 编译器 %1：证明题目的程序要用它（Debian 上用 apt install gcc 安装）。",
                                u"the C compiler %1 was not found: proving the tasks' programs needs it (on Debian: apt install gcc).")
                          .arg(settings.compiler));
        return 1;
    }
    ProofCache cache(cacheFile, settings);
    const QList<QList<ProgramCheck::Check>> files = byFile(ProgramCheck::checksOf(bank));
    const int threads = std::clamp(QThread::idealThreadCount(), 2, 4);
    int faults = 0;
    for (qsizetype f = 0; f < files.size(); ++f) {
        const QList<ProgramCheck::Check> &checks = files[f];
        const auto unchanged = std::count_if(checks.begin(), checks.end(), [&](const ProgramCheck::Check &c) { return cache.holds(c.material); });
        const QList<QStringList> results = ProgramCheck::runChecks(checks, settings, threads, &cache);
        const auto failed = std::count_if(results.begin(), results.end(), [](const QStringList &r) { return !r.isEmpty(); });
        const QString counter = QStringLiteral("[%1/%2] %3").arg(f + 1, int(QString::number(files.size()).size())).arg(files.size()).arg(checks.front().place.file);
        QString line = failed == 0 ? localized(u"%1：%2 个程序全部通过", u"%1: all %2 programs proven").arg(counter).arg(checks.size())
                                   : localized(u"%1：%2 个程序中 %3 个没有通过", u"%1: %3 of %2 programs failed").arg(counter).arg(checks.size()).arg(failed);
        if (unchanged > 0)
            line += localized(u"（%1 个没有改动，沿用上次的证明）", u" (%1 unchanged since their last proof)").arg(unchanged);
        print(stdout, line);
        for (const QStringList &problems : results) {
            printAll(problems);
            faults += int(problems.size());
        }
    }
    const QString failure = cache.save();
    if (!failure.isEmpty())
        print(stderr, failure); // the next run proves again; nothing is wrong with the bank
    return faults;
}

}

bool checkBank(const CheckOptions &options, BankSource &bank)
{
    QStringList errors;
    bank = readBankSource(options.sourceFolder, errors);
    const Findings course = CourseRules::check(bank);
    errors << course.errors;
    if (options.keyReport)
        print(stdout, KeyBalance::report(bank));
    printAll(errors);
    printAll(course.warnings, localized(u"警告：", u"warning: "));
    const int faults = int(errors.size()) + proveAll(bank, options.proofCache);
    print(faults ? stderr : stdout, localized(u"共 %1 处错误，%2 条警告。", u"%1 errors, %2 warnings.").arg(faults).arg(course.warnings.size()));
    return faults == 0;
}
