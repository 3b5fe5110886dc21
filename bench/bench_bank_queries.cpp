// The bank's queries on a bank 100 times the course's, before and after the list query that reads
// only id and title and the indexes of the question tables, in pairs within one run (the order
// alternating), so both sides meet the same machine load. Prints the medians and their ratio,
// and what the start-up check of the rows costs on that bank.
//
//   bench_bank_queries [--runs N] [--copies N] [BANK.db]
//
// The big bank is made from BANK.db (default: the bundled bank beside the program) in a temporary
// folder: every chapter, algorithm, test set and exercise copied with keys of their own, so each
// query finds as many rows as on the course's bank while the tables grow. It is made twice, with
// the indexes and without them.

#include "BigBank.h"
#include "Timing.h"
#include "data/RowCheck.h"
#include "data/SqliteBank.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using Timing::median;
using Timing::milliseconds;

constexpr QuestionKind kKinds[] = {QuestionKind::Choice, QuestionKind::Blank, QuestionKind::Err, QuestionKind::Pro};

// The chapter list as it was read before: every field of every row.
void wholeChapterRows(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("select * from chapter order by id"));
    QList<QVariantMap> rows;
    while (query.next()) {
        const QSqlRecord r = query.record();
        QVariantMap fields;
        for (int i = 0; i < r.count(); ++i)
            fields.insert(r.fieldName(i), r.value(i));
        rows.append(fields);
    }
}

struct Pair
{
    std::vector<double> before, after;

    void report(const char *what, const char *beforeName, const char *afterName) const
    {
        std::printf("%-15s %-22s %9.3f ms   %-22s %9.3f ms   after/before %5.3f\n", what, beforeName, median(before),
                    afterName, median(after), median(after) / median(before));
    }
};

// Measures both sides once, the order alternating with the round.
void measure(int round, Pair &pair, const std::function<void()> &before, const std::function<void()> &after)
{
    if (round % 2) {
        pair.before.push_back(milliseconds(before));
        pair.after.push_back(milliseconds(after));
    } else {
        pair.after.push_back(milliseconds(after));
        pair.before.push_back(milliseconds(before));
    }
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int runs = 30;
    int copies = 100;
    while (args.size() >= 2 && args[0].startsWith(QStringLiteral("--"))) {
        (args[0] == u"--runs" ? runs : copies) = std::max(1, args[1].toInt());
        args = args.mid(2);
    }
    const QString source = args.value(0, QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/dbase/c_qiyuan.db"));
    if (!QFile::exists(source)) {
        std::fprintf(stderr, "no bank at %s\n", qPrintable(source));
        return 1;
    }
    QTemporaryDir scratch;
    const QString indexed = scratch.filePath(QStringLiteral("indexed.db"));
    const QString plain = scratch.filePath(QStringLiteral("plain.db"));
    BigBank::make(source, indexed, copies, true);
    BigBank::make(source, plain, copies, false);

    QSqlDatabase before = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("before"));
    before.setDatabaseName(indexed);
    before.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    before.open();
    SqliteBank withIndexes(indexed);
    SqliteBank withoutIndexes(plain);
    const QStringList chapters = [&] {
        QStringList ids;
        for (const Record &row : withIndexes.chapterList())
            ids << row.text(QStringLiteral("id"));
        return ids;
    }();
    const int groups = 5 * copies;

    Pair list, test, exercise;
    std::vector<double> check;
    qsizetype faults = 0;
    for (int i = 0; i < runs; ++i) {
        // A set and a chapter from anywhere in the bank.
        const int group = 1 + (i * 7919) % groups;
        const QString chapter = chapters[(i * 104729) % chapters.size()];
        measure(i, list, [&] { wholeChapterRows(before); }, [&] { withIndexes.chapterList(); });
        measure(i, test, [&] { for (QuestionKind k : kKinds) withoutIndexes.testQuestions(k, group); },
                [&] { for (QuestionKind k : kKinds) withIndexes.testQuestions(k, group); });
        measure(i, exercise, [&] { for (QuestionKind k : kKinds) withoutIndexes.exerciseQuestions(k, chapter); },
                [&] { for (QuestionKind k : kKinds) withIndexes.exerciseQuestions(k, chapter); });
        check.push_back(milliseconds([&] { faults = RowCheck::run(withIndexes).size(); }));
    }
    std::printf("%d runs, a bank %d times %s: %lld chapters, %lld bytes\n", runs, copies, qPrintable(source),
                qlonglong(chapters.size()), qlonglong(QFileInfo(indexed).size()));
    list.report("chapter list", "whole rows (select *)", "id and title");
    test.report("test paper", "no index", "index");
    exercise.report("exercise paper", "no index", "index");
    std::printf("%-15s %9.3f ms (%lld faults found)\n", "start-up check", median(check), qlonglong(faults));
    return 0;
}
