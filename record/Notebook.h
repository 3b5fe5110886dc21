#pragma once

#include "record/FinishedRun.h"

#include <QDateTime>
#include <QList>
#include <QSqlQuery>
#include <QString>

class RecordFile;

// The wrong-answer notebook (错题本): every choice question answered wrong or left blank and every
// task that did not pass enters it; a question leaves once it has been answered right in two
// runs after it was last missed.
namespace Notebook {

constexpr int kRightsToLeave = 2;

// A question in the notebook, as its list shows it.
struct Entry
{
    QuestionRef question;
    QuestionKind kind = QuestionKind::Choice;
    QString summary;
    QString bankFile;
    bool inOpenBank = false; // only these are asked
    int rights = 0;          // of kRightsToLeave
    QDateTime entered;
};

// The notebook's entries, the oldest first; those of the bank with openBankHash are asked.
QList<Entry> entries(RecordFile &file, const QString &openBankHash);
// What one practice run asks: the oldest entries of the open bank, as many of each kind as the
// exercise window holds (10 choice, 5 of each task kind).
QuestionPick practice(const QList<Entry> &entries);

// The notebook's part of recording a run, inside the run's transaction.
class Update
{
public:
    Update(RecordFile &file, qint64 bank, qint64 run);
    void answered(const AnsweredQuestion &question);

private:
    void exec(QSqlQuery &query, const AnsweredQuestion &question);

    RecordFile &m_file;
    qint64 m_bank;
    qint64 m_run;
    QSqlQuery m_summary, m_missed, m_right, m_learnt;
};

}
