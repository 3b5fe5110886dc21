// The learning record's three figures, in one run on a scratch record (the student's own is never
// touched): the time recording one finished test adds, the record window's opening with 10,000
// runs recorded, and how much the record grows per run.
//
//   bench_record [--runs N]

#include "app/OpenBank.h"
#include "app/WindowClasses.h"
#include "bench/Timing.h"
#include "controls/Forms.h"
#include "data/BankOpen.h"
#include "record/LearningRecord.h"
#include "record/RecordFile.h"
#include "record/RecordLocation.h"
#include "review/Frm_record.h"

#include <QApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <ctime>

namespace {

// A whole test as the student leaves it: ten choices (some wrong), nine tasks, a few checks.
FinishedRun typicalTest(int n)
{
    FinishedRun run;
    run.kind = RunKind::Test;
    run.subject = QString::number(n % 5 + 1);
    run.title = QStringLiteral("第三套练习题");
    run.bank = {QStringLiteral("c_qiyuan.db"), QString(64, QLatin1Char('a'))};
    run.started = QDateTime::fromSecsSinceEpoch(1'800'000'000 + qint64(n) * 3600);
    run.seconds = 1800 + n % 900;
    run.score = (n * 37) % 101;
    for (int i = 0; i < 10; ++i) {
        AnsweredQuestion choice;
        choice.table = QStringLiteral("c_test");
        choice.id = (n % 5) * 20 + i + 1;
        choice.chosen = (n + i) % 5;
        choice.right = (n + i) % 3 != 0;
        choice.summary = QStringLiteral("以下叙述中正确的是：C 语言程序总是从 main 函数开始执行");
        run.questions << choice;
    }
    for (int i = 0; i < 9; ++i) {
        AnsweredQuestion task;
        task.table = QStringLiteral("c_test");
        task.id = 200 + (n % 5) * 10 + i;
        task.kind = QuestionKind(2 + i / 3);
        task.verdict = (n + i) % 2 ? VerdictKind::Passed : VerdictKind::WrongOutput;
        task.right = (n + i) % 2;
        task.summary = QStringLiteral("给定程序的功能是：计算并输出 n 以内能被 3 或 7 整除的所有自然数的倒数之和");
        run.questions << task;
    }
    for (int i = 0; i < 5; ++i)
        run.checks.append({QStringLiteral("c_test"), 200 + i, run.started.addSecs(60 * i),
                           i % 2 ? VerdictKind::Passed : VerdictKind::CompileError, QByteArray(16, char(n + i))});
    return run;
}

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

qint64 recordSize(const QString &path)
{
    RecordFile(path).run(QStringLiteral("pragma wal_checkpoint(truncate)"));
    return QFileInfo(path).size();
}

// Doubles the runs with their answers until there are at least `runs`: quicker than recording each.
void growTo(const QString &path, int runs)
{
    RecordFile file(path);
    for (;;) {
        QSqlQuery count(file.db());
        count.exec(QStringLiteral("select count(*), max(id) from run"));
        count.next();
        if (count.value(0).toInt() >= runs)
            return;
        const qint64 offset = count.value(1).toLongLong();
        file.run(QStringLiteral("begin"));
        file.run(QStringLiteral("insert into run(id, kind, subject, title, bank, started, seconds, score) "
                                "select id + %1, kind, subject, title, bank, started + %1 * 3600, seconds, score from run")
                     .arg(offset));
        file.run(QStringLiteral("insert into answer select run + %1, position, qtable, qid, kind, chosen, verdict, right "
                                "from answer").arg(offset));
        file.run(QStringLiteral("commit"));
    }
}

}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = args.size() >= 3 && args[1] == u"--runs" ? std::max(1, args[2].toInt()) : 50;
    RecordLocation::setFolder(home.path());
    WindowClasses::connect();
    // The record window is made with the open bank, as the start screen leaves it: the course's.
    OpenBank::conn = openQuestionBank(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/dbase/c_qiyuan.db"));

    // Recording: into a record already a year long, as a student's is.
    for (int n = 0; n < 1000; ++n)
        LearningRecord::save(typicalTest(n));
    const qint64 before = recordSize(RecordLocation::file());
    std::vector<double> saves;
    for (int n = 1000; n < 1000 + runs; ++n) {
        bool recorded = false;
        saves.push_back(Timing::milliseconds([&] { recorded = LearningRecord::save(typicalTest(n)).recorded; }));
        if (!recorded) {
            std::fprintf(stderr, "run %d was not recorded\n", n);
            return 1;
        }
    }
    const double perRun = double(recordSize(RecordLocation::file()) - before) / runs;
    std::printf("recording a test (19 questions, 5 checks): median %.2f ms, best %.2f ms over %d runs (figure: 5 ms)\n",
                Timing::median(saves), *std::min_element(saves.begin(), saves.end()), runs);
    std::printf("the record grows %.0f bytes per run (figure: 2048)\n", perRun);

    growTo(RecordLocation::file(), 10'000);
    std::vector<double> reads, readsCpu;
    for (int i = 0; i < 10; ++i) {
        const double cpu = cpuMilliseconds();
        reads.push_back(Timing::milliseconds([] {
            QString movedAside;
            LearningRecord::summary(QString(), movedAside);
        }));
        readsCpu.push_back(cpuMilliseconds() - cpu);
    }
    std::vector<double> opens, opensCpu;
    for (int i = 0; i < 10; ++i) {
        bool shown = false;
        const double cpu = cpuMilliseconds();
        opens.push_back(Timing::milliseconds([&] {
            shown = QTest::qWaitForWindowExposed(Forms<Frm_record>::show());
        }));
        opensCpu.push_back(cpuMilliseconds() - cpu);
        if (!shown) {
            std::fprintf(stderr, "the record window did not open\n");
            return 1;
        }
        Forms<Frm_record>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // On a shared machine the wall time waits for the processor too; the processor time does not.
    std::printf("the record window with 10,000 runs, opened to on screen: median %.1f ms (%.1f ms of processor), "
                "best %.1f ms (figure: 100 ms);\n  of which reading the record: median %.1f ms (%.1f ms of processor)\n",
                Timing::median(opens), Timing::median(opensCpu), *std::min_element(opens.begin(), opens.end()),
                Timing::median(reads), Timing::median(readsCpu));
    OpenBank::conn.reset();
    return 0;
}
