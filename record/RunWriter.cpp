#include "record/RunWriter.h"

#include "record/Notebook.h"
#include "record/RecordError.h"
#include "record/RecordFile.h"
#include "record/VerdictCode.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

qint64 bankId(RecordFile &file, const BankIdentity &bank)
{
    QSqlQuery query(file.db());
    // Texts through coalesce: a null QString is bound as NULL, and a run may come without them.
    query.prepare(QStringLiteral("insert into bank(file, hash) values(coalesce(?, ''), coalesce(?, '')) on conflict do nothing"));
    query.addBindValue(bank.fileName);
    query.addBindValue(bank.hash);
    file.exec(query);
    query.prepare(QStringLiteral("select id from bank where hash = coalesce(?, '') and file = coalesce(?, '')"));
    query.addBindValue(bank.hash);
    query.addBindValue(bank.fileName);
    file.exec(query);
    query.next();
    return query.value(0).toLongLong();
}

qint64 insertRun(RecordFile &file, const FinishedRun &run, qint64 bank)
{
    QSqlQuery query(file.db());
    query.prepare(QStringLiteral("insert into run(kind, subject, title, bank, started, seconds, score) "
                                 "values(?, coalesce(?, ''), coalesce(?, ''), ?, ?, ?, ?)"));
    query.addBindValue(int(run.kind));
    query.addBindValue(run.subject);
    query.addBindValue(run.title);
    query.addBindValue(bank);
    query.addBindValue(run.started.toSecsSinceEpoch());
    query.addBindValue(run.seconds);
    query.addBindValue(run.score);
    file.exec(query);
    return query.lastInsertId().toLongLong();
}

void insertAnswers(RecordFile &file, const FinishedRun &run, qint64 runId, qint64 bank)
{
    QSqlQuery query(file.db());
    query.prepare(QStringLiteral("insert into answer(run, position, qtable, qid, kind, chosen, verdict, right) "
                                 "values(?, ?, coalesce(?, ''), ?, ?, ?, ?, ?)"));
    Notebook::Update notebook(file, bank, runId);
    int position = 0;
    for (const AnsweredQuestion &question : run.questions) {
        const bool choice = question.kind == QuestionKind::Choice;
        query.addBindValue(runId);
        query.addBindValue(++position);
        query.addBindValue(question.table);
        query.addBindValue(question.id);
        query.addBindValue(int(question.kind));
        query.addBindValue(choice ? QVariant(question.chosen) : QVariant());
        query.addBindValue(question.verdict ? QVariant(verdictCode(*question.verdict)) : QVariant());
        query.addBindValue(question.right ? 1 : 0);
        file.exec(query);
        notebook.answered(question);
    }
}

void insertChecks(RecordFile &file, const FinishedRun &run, qint64 runId)
{
    QSqlQuery query(file.db());
    query.prepare(QStringLiteral("insert into task_check(run, position, qtable, qid, at, verdict, source) "
                                 "values(?, ?, coalesce(?, ''), ?, ?, ?, ?)"));
    int position = 0;
    for (const RecordedCheck &check : run.checks) {
        query.addBindValue(runId);
        query.addBindValue(++position);
        query.addBindValue(check.table);
        query.addBindValue(check.id);
        query.addBindValue(check.at.toSecsSinceEpoch());
        query.addBindValue(verdictCode(check.verdict));
        query.addBindValue(check.sourceHash);
        file.exec(query);
    }
}

void write(RecordFile &file, const FinishedRun &run)
{
    file.run(QStringLiteral("begin immediate"));
    try {
        const qint64 bank = bankId(file, run.bank);
        const qint64 runId = insertRun(file, run, bank);
        insertAnswers(file, run, runId, bank);
        insertChecks(file, run, runId);
        file.run(QStringLiteral("commit"));
    } catch (...) {
        QSqlQuery(file.db()).exec(QStringLiteral("rollback"));
        throw;
    }
}

}

RecordStatus recordRun(const QString &path, const FinishedRun &run)
{
    RecordStatus status;
    status.file = path;
    try {
        try {
            write(RecordFile::kept(path, status.movedAside), run);
        } catch (const RecordError &error) {
            RecordFile::drop();
            // Damage found only by the writing: the record opened, so it is moved aside now.
            if (error.fault() != RecordError::Fault::Corrupt || !status.movedAside.isEmpty())
                throw;
            status.movedAside = RecordFile::moveAside(path);
            write(RecordFile::kept(path, status.movedAside), run);
        }
    } catch (const RecordError &error) {
        RecordFile::drop();
        status.recorded = false;
        status.reason = error.message();
    }
    return status;
}
