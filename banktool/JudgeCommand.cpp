#include "banktool/JudgeCommand.h"

#include "banktool/Language.h"
#include "data/BankError.h"
#include "data/BankOpen.h"
#include "data/BankSchema.h"
#include "data/InstalledBank.h"
#include "judge/Judge.h"
#include "judge/VerdictText.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

struct Usage
{
    QString bank;
    bool json = false;
    QString table;
    int id = 0;
    QStringList files;
};

void say(const QString &text)
{
    std::fprintf(stderr, "bankc judge: %s\n", qPrintable(text));
}

std::optional<Usage> readUsage(QStringList args)
{
    Usage usage;
    while (!args.isEmpty() && args.front().startsWith(u"--")) {
        const QString option = args.takeFirst();
        if (option == u"--json")
            usage.json = true;
        else if (option == u"--bank" && !args.isEmpty())
            usage.bank = args.takeFirst();
        else
            return std::nullopt;
    }
    if (args.size() < 2)
        return std::nullopt;
    const QStringList task = args.takeFirst().split(u':');
    bool number = false;
    if (task.size() == 2) {
        usage.table = task[0];
        usage.id = task[1].toInt(&number);
    }
    if (!number || !BankSchema::isQuestionTable(usage.table))
        return std::nullopt;
    usage.files = args;
    return usage;
}

// The bank beside the program when none is named: the build's, or the installed package's.
QString defaultBank()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString built = here + QStringLiteral("/../bin/dbase/c_qiyuan.db");
    return QFileInfo::exists(built) ? built : InstalledBank::folder(here) + QStringLiteral("/c_qiyuan.db");
}

// The task TABLE:ID of the bank, without the student's file; throws BankError.
std::optional<JudgeTask> taskOf(QuestionBank &bank, const QString &table, int id)
{
    for (const Record &row : bank.question({table, id})) {
        const QString type = row.text(QStringLiteral("type")).right(1);
        JudgeTask task;
        if (type == u"2")
            task.kind = TaskKind::FillIn;
        else if (type == u"3")
            task.kind = TaskKind::Correction;
        else if (type == u"4")
            task.kind = TaskKind::Programming;
        else
            return std::nullopt;
        task.handedOut = row.text(QStringLiteral("content"));
        task.dataName = row.text(QStringLiteral("data_file"));
        for (const Record &c : bank.cases(table, id))
            task.cases << caseOfRow([&c](const QString &field) { return c.text(field); });
        if (task.kind == TaskKind::Correction)
            task.faults = bank.faults(table, id);
        return task;
    }
    return std::nullopt;
}

// A stable English word for each verdict, for scripts.
QString keyword(VerdictKind kind)
{
    switch (kind) {
    case VerdictKind::Passed:
    case VerdictKind::CompiledOnly: return QStringLiteral("passed");
    case VerdictKind::NoCompiler: return QStringLiteral("no_compiler");
    case VerdictKind::MissingFile: return QStringLiteral("missing_file");
    case VerdictKind::BlanksLeft: return QStringLiteral("missing_blank");
    case VerdictKind::FixedTextChanged:
    case VerdictKind::TooManyChanges: return QStringLiteral("structure");
    case VerdictKind::CompileError: return QStringLiteral("compile_error");
    case VerdictKind::TimeLimit: return QStringLiteral("time_limit");
    case VerdictKind::RunError: return QStringLiteral("runtime_error");
    case VerdictKind::WrongOutput: return QStringLiteral("wrong_output");
    case VerdictKind::FormatError: return QStringLiteral("presentation");
    case VerdictKind::MemoryError: return QStringLiteral("memory_error");
    case VerdictKind::CannotCheck: return QStringLiteral("cannot_check");
    }
    return {};
}

QString line(const QString &file, const Verdict &v, bool json)
{
    if (!json)
        return QStringLiteral("%1: %2").arg(file, VerdictText::headline(v));
    const QJsonObject object{{QStringLiteral("file"), file},
                             {QStringLiteral("passed"), passes(v)},
                             {QStringLiteral("verdict"), keyword(v.kind)},
                             {QStringLiteral("cases_passed"), v.passed},
                             {QStringLiteral("cases_total"), v.total},
                             {QStringLiteral("headline"), VerdictText::headline(v)}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// Judges the files a few at a time, one judge per core; the verdicts are printed in the files' order.
QList<Verdict> judgeAll(const JudgeTask &task, const QStringList &files, bool json)
{
    QList<std::optional<Verdict>> verdicts(files.size());
    qsizetype next = 0, printed = 0;
    QEventLoop loop;
    const int count = int(std::min<qsizetype>(files.size(), std::max(2, QThread::idealThreadCount())));
    std::vector<std::unique_ptr<Judge>> judges;
    std::vector<qsizetype> judging(count); // the file each judge has in hand
    const auto startNext = [&](int j) {
        if (next >= files.size())
            return;
        judging[j] = next;
        JudgeTask t = task;
        t.sourcePath = files[next++];
        judges[j]->start(t);
    };
    for (int j = 0; j < count; ++j) {
        judges.push_back(std::make_unique<Judge>());
        QObject::connect(judges[j].get(), &Judge::finished, &loop, [&, j](const Verdict &v) {
            verdicts[judging[j]] = v;
            for (; printed < files.size() && verdicts[printed]; ++printed)
                std::printf("%s\n", qPrintable(line(files[printed], *verdicts[printed], json)));
            std::fflush(stdout);
            if (printed == files.size())
                loop.quit();
            else
                startNext(j);
        });
    }
    for (int j = 0; j < count; ++j)
        startNext(j);
    loop.exec();
    QList<Verdict> result;
    for (const auto &v : verdicts)
        result << *v;
    return result;
}

}

int judgeCommand(const QStringList &arguments)
{
    const std::optional<Usage> usage = readUsage(arguments);
    if (!usage) {
        std::fprintf(stderr, "%s", qPrintable(localized(u"用法：bankc judge [--bank 题库文件] [--json] 表:编号 文件...\n"
                                                          u"      表是 c_test 或 c_excer，编号是题目的 id（或 id_test）\n",
                                                        u"usage: bankc judge [--bank FILE] [--json] TABLE:ID FILE...\n"
                                                          u"       TABLE is c_test or c_excer, ID the task's id (or id_test)\n")));
        return 2;
    }
    std::optional<JudgeTask> task;
    try {
        const std::unique_ptr<QuestionBank> bank = openQuestionBank(usage->bank.isEmpty() ? defaultBank() : usage->bank);
        task = taskOf(*bank, usage->table, usage->id);
    } catch (const BankError &e) {
        say(e.message());
        return 2;
    }
    if (!task) {
        say(localized(u"题库中没有程序题 %1:%2", u"the bank holds no program task %1:%2").arg(usage->table).arg(usage->id));
        return 2;
    }
    const QList<Verdict> verdicts = judgeAll(*task, usage->files, usage->json);
    return std::all_of(verdicts.begin(), verdicts.end(), passes) ? 0 : 1;
}
