// Opens the same bank as the program's SQLite file and as a Jet 4 file (an old installation's
// format), and loads papers from each, in pairs within one run, so the two figures meet the same
// machine load. Prints the median of each and the ratio Jet / SQLite.
//
//   bench_jet_vs_sqlite [--runs N] [BANK.db [BANK.mdb]]
//
// Without files: the bundled bank beside the program, and a Jet copy of it written by
// tests/support/jetwriter.py (python3) into a temporary folder.

#include "Timing.h"
#include "data/JetBank.h"
#include "data/SqliteBank.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

using Timing::median;
using Timing::milliseconds;

constexpr QuestionKind kKinds[] = {QuestionKind::Choice, QuestionKind::Blank, QuestionKind::Err, QuestionKind::Pro};

struct Figures
{
    std::vector<double> open, testPaper, exercisePaper, chapterList;
};

// One round on one store: what the start screen, a test set and a unit exercise ask of it.
void round(const std::function<std::unique_ptr<QuestionBank>()> &open, int group, const QString &chapter, Figures &f)
{
    std::unique_ptr<QuestionBank> bank;
    f.open.push_back(milliseconds([&] { bank = open(); }));
    f.testPaper.push_back(milliseconds([&] {
        for (QuestionKind kind : kKinds)
            bank->testQuestions(kind, group);
    }));
    f.exercisePaper.push_back(milliseconds([&] {
        for (QuestionKind kind : kKinds)
            bank->exerciseQuestions(kind, chapter);
    }));
    f.chapterList.push_back(milliseconds([&] { bank->chapterList(); }));
}

void report(const char *what, const std::vector<double> &sqlite, const std::vector<double> &jet)
{
    std::printf("%-16s sqlite %8.3f ms   jet %8.3f ms   jet/sqlite %5.2f\n", what, median(sqlite), median(jet),
                median(jet) / median(sqlite));
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int runs = 30;
    if (args.size() >= 2 && args[0] == u"--runs") {
        runs = std::max(1, args[1].toInt());
        args = args.mid(2);
    }
    const QString sqliteFile = args.value(0, QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/dbase/c_qiyuan.db"));
    QTemporaryDir scratch;
    QString jetFile = args.value(1);
    if (jetFile.isEmpty()) {
        jetFile = scratch.filePath(QStringLiteral("c_qiyuan.mdb"));
        if (QProcess::execute(QStringLiteral(ZQ_PYTHON), {QStringLiteral(ZQ_JET_WRITER), sqliteFile, jetFile,
                                                          QStringLiteral("--compress")}) != 0) {
            std::fprintf(stderr, "cannot write a Jet copy of %s\n", qPrintable(sqliteFile));
            return 1;
        }
    }

    const QString chapter = SqliteBank(sqliteFile).chapterList().value(0).text(QStringLiteral("id"));
    Figures sqlite, jet;
    for (int i = 0; i < runs; ++i) {
        const int group = 1 + i % 5;
        // Alternate which store goes first, so neither always meets a warmer cache.
        const auto sqliteRound = [&] { round([&] { return std::make_unique<SqliteBank>(sqliteFile); }, group, chapter, sqlite); };
        const auto jetRound = [&] { round([&] { return std::make_unique<JetBank>(jetFile); }, group, chapter, jet); };
        if (i % 2) {
            sqliteRound();
            jetRound();
        } else {
            jetRound();
            sqliteRound();
        }
    }
    std::printf("%d runs, bank %s\n", runs, qPrintable(sqliteFile));
    report("open (start-up)", sqlite.open, jet.open);
    report("test paper", sqlite.testPaper, jet.testPaper);
    report("exercise paper", sqlite.exercisePaper, jet.exercisePaper);
    report("chapter list", sqlite.chapterList, jet.chapterList);
    return 0;
}
