#include "record/Notebook.h"

#include "record/RecordFile.h"

#include <QVariant>

namespace {

QuestionKind kindOf(int code)
{
    return code >= 1 && code <= 4 ? QuestionKind(code) : QuestionKind::Choice;
}

}

QList<Notebook::Entry> Notebook::entries(RecordFile &file, const QString &openBankHash)
{
    QSqlQuery query(file.db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "select n.qtable, n.qid, coalesce(q.kind, 1), coalesce(q.summary, ''), b.file, b.hash = ?, n.rights, r.started "
        "from notebook n join bank b on b.id = n.bank join run r on r.id = n.entered "
        "left join question q on q.bank = n.bank and q.qtable = n.qtable and q.qid = n.qid "
        "order by n.entered, n.qtable, n.qid"));
    query.addBindValue(openBankHash);
    file.exec(query);
    QList<Entry> list;
    while (query.next()) {
        Entry entry;
        entry.question = {query.value(0).toString(), query.value(1).toInt()};
        entry.kind = kindOf(query.value(2).toInt());
        entry.summary = query.value(3).toString();
        entry.bankFile = query.value(4).toString();
        entry.inOpenBank = query.value(5).toBool();
        entry.rights = query.value(6).toInt();
        entry.entered = QDateTime::fromSecsSinceEpoch(query.value(7).toLongLong(), Qt::UTC);
        list << entry;
    }
    return list;
}

QuestionPick Notebook::practice(const QList<Entry> &entries)
{
    QuestionPick pick;
    for (const Entry &entry : entries) {
        QList<QuestionRef> &asked = pick.of(entry.kind);
        if (entry.inOpenBank && asked.size() < (entry.kind == QuestionKind::Choice ? 10 : 5))
            asked << entry.question;
    }
    return pick;
}

Notebook::Update::Update(RecordFile &file, qint64 bank, qint64 run)
    : m_file(file), m_bank(bank), m_run(run), m_summary(file.db()), m_missed(file.db()), m_right(file.db()),
      m_learnt(file.db())
{
    // Each statement takes the bank, the table and the id last.
    m_summary.prepare(QStringLiteral("insert into question(kind, summary, bank, qtable, qid) values(?, coalesce(?, ''), ?, ?, ?) "
                                     "on conflict do nothing"));
    m_missed.prepare(QStringLiteral("insert into notebook(entered, bank, qtable, qid) values(?, ?, ?, ?) "
                                    "on conflict do update set rights = 0"));
    m_right.prepare(QStringLiteral("update notebook set rights = rights + 1 where bank = ? and qtable = ? and qid = ?"));
    m_learnt.prepare(QStringLiteral("delete from notebook where rights >= %1 and bank = ? and qtable = ? and qid = ?")
                         .arg(kRightsToLeave));
}

void Notebook::Update::answered(const AnsweredQuestion &question)
{
    if (question.right) {
        exec(m_right, question);
        exec(m_learnt, question);
        return;
    }
    m_summary.addBindValue(int(question.kind));
    m_summary.addBindValue(question.summary);
    exec(m_summary, question);
    m_missed.addBindValue(m_run);
    exec(m_missed, question);
}

void Notebook::Update::exec(QSqlQuery &query, const AnsweredQuestion &question)
{
    query.addBindValue(m_bank);
    query.addBindValue(question.table);
    query.addBindValue(question.id);
    m_file.exec(query);
}
