#include "record/RecordSchema.h"

#include "record/RecordError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

// Version n + 1 is reached by the statements at index n. Append, never edit.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps = {
        {
            QStringLiteral("create table bank(id integer primary key, file text not null, hash text not null, "
                           "unique(hash, file))"),
            // started: seconds since 1970 UTC; subject: the set number or the chapter id.
            QStringLiteral("create table run(id integer primary key, kind integer not null, subject text not null, "
                           "title text not null, bank integer not null references bank(id), started integer not null, "
                           "seconds integer not null, score integer not null)"),
            // chosen: a choice's option (0 blank); verdict: a task's last check, null when never checked.
            QStringLiteral("create table answer(run integer not null references run(id), position integer not null, "
                           "qtable text not null, qid integer not null, kind integer not null, chosen integer, "
                           "verdict text, right integer not null, primary key(run, position)) without rowid"),
            QStringLiteral("create table task_check(run integer not null references run(id), position integer not null, "
                           "qtable text not null, qid integer not null, at integer not null, verdict text not null, "
                           "source blob, primary key(run, position)) without rowid"),
            // What the notebook lists of a question, kept once however often it is asked.
            QStringLiteral("create table question(bank integer not null references bank(id), qtable text not null, "
                           "qid integer not null, kind integer not null, summary text not null, "
                           "primary key(bank, qtable, qid)) without rowid"),
            // rights: the runs since it entered (or was last missed) in which it was answered right.
            QStringLiteral("create table notebook(bank integer not null references bank(id), qtable text not null, "
                           "qid integer not null, entered integer not null, rights integer not null default 0, "
                           "primary key(bank, qtable, qid)) without rowid"),
            QStringLiteral("create table study(chapter text primary key, first integer not null, last integer not null) "
                           "without rowid"),
        },
    };
    return steps;
}

void run(QSqlQuery &query, const QString &statement, const QString &path)
{
    if (!query.exec(statement))
        throw RecordError::fromSql(query.lastError(), path);
}

}

int RecordSchema::currentVersion()
{
    return int(migrations().size());
}

void RecordSchema::migrate(QSqlDatabase &db, const QString &path)
{
    QSqlQuery query(db);
    run(query, QStringLiteral("pragma user_version"), path);
    const int version = query.next() ? query.value(0).toInt() : 0;
    if (version > currentVersion())
        throw RecordError(RecordError::Fault::Newer, QStringLiteral("学习记录文件由较新版本的本程序建立"));
    if (version == currentVersion())
        return;
    // Immediate: two programs starting at once do not both migrate.
    run(query, QStringLiteral("begin immediate"), path);
    try {
        run(query, QStringLiteral("pragma user_version"), path);
        const int now = query.next() ? query.value(0).toInt() : 0;
        for (int step = now; step < currentVersion(); ++step)
            for (const QString &statement : migrations()[step])
                run(query, statement, path);
        run(query, QStringLiteral("pragma user_version = %1").arg(currentVersion()), path);
        run(query, QStringLiteral("commit"), path);
    } catch (...) {
        query.exec(QStringLiteral("rollback"));
        throw;
    }
}
