#pragma once

#include "judge/Judge.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

struct Paper;
struct Task;

// The checks a run's end owes its score: every task whose file the student changed since its
// last "检查程序" is checked again, one after another, while the review is already on show. A
// task left as handed out is not checked; it scores nothing.
class EndChecks : public QObject
{
    Q_OBJECT
public:
    // paper and folder: the run's, which outlive this.
    EndChecks(Paper &paper, QString folder, QObject *parent);

    void start();
    int done() const { return m_done; }
    int total() const { return int(m_queue.size()) + m_done + (m_task ? 1 : 0); }
    bool running() const { return m_task != nullptr; }

signals:
    // A task got its verdict; the last one when running() is false.
    void checked();

private:
    void next();
    void finished(const Verdict &verdict);

    Paper &m_paper;
    QString m_folder;
    Judge m_judge;
    QList<Task *> m_queue;
    Task *m_task = nullptr;
    QByteArray m_source;
    int m_done = 0;
};
