#include "record/RecordReader.h"

#include "record/RecordFile.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

QList<RecordSummary::Run> runs(RecordFile &file)
{
    QSqlQuery query(file.db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select kind, subject, title, started, seconds, score from run order by started, id"));
    file.exec(query);
    QList<RecordSummary::Run> list;
    while (query.next())
        list.append({RunKind(query.value(0).toInt()), query.value(1).toString(), query.value(2).toString(),
                     QDateTime::fromSecsSinceEpoch(query.value(3).toLongLong(), Qt::UTC), query.value(4).toInt(),
                     query.value(5).toInt()});
    return list;
}

void readChapters(RecordFile &file, RecordSummary &summary)
{
    QSqlQuery query(file.db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select chapter from study"));
    file.exec(query);
    while (query.next())
        summary.chapters[query.value(0).toString()].studied = true;
}

}

RecordSummary RecordReader::read(RecordFile &file, const QString &openBankHash)
{
    RecordSummary summary;
    summary.runs = runs(file);
    for (const RecordSummary::Run &run : std::as_const(summary.runs)) {
        if (run.kind == RunKind::Test) {
            RecordSummary::Best &best = summary.sets[run.subject];
            best.score = best.runs++ ? std::max(best.score, run.score) : run.score;
            best.title = run.title;
        } else if (run.kind == RunKind::Exercise) {
            RecordSummary::Chapter &chapter = summary.chapters[run.subject];
            chapter.best = chapter.exercises++ ? std::max(chapter.best, run.score) : run.score;
        }
    }
    readChapters(file, summary);
    summary.notebook = Notebook::entries(file, openBankHash);
    return summary;
}

QSet<QString> RecordReader::exercisedChapters(RecordFile &file)
{
    QSqlQuery query(file.db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select distinct subject from run where kind = %1").arg(int(RunKind::Exercise)));
    file.exec(query);
    QSet<QString> chapters;
    while (query.next())
        chapters << query.value(0).toString();
    return chapters;
}

void RecordReader::markStudied(RecordFile &file, const QString &chapter)
{
    QSqlQuery query(file.db());
    query.prepare(QStringLiteral("insert into study(chapter, first, last) values(?, ?, ?) "
                                 "on conflict do update set last = excluded.last"));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    query.addBindValue(chapter);
    query.addBindValue(now);
    query.addBindValue(now);
    file.exec(query);
}
