#include "review/EndChecks.h"

#include "paper/Paper.h"

EndChecks::EndChecks(Paper &paper, QString folder, QObject *parent)
    : QObject(parent), m_paper(paper), m_folder(std::move(folder))
{
    connect(&m_judge, &Judge::finished, this, &EndChecks::finished);
}

void EndChecks::start()
{
    for (ProgramSection *section : m_paper.sections())
        for (int i = 1; i <= section->count; ++i)
            if ((*section)(i).changedSinceCheck(m_folder))
                m_queue << &(*section)(i);
    next();
}

void EndChecks::next()
{
    m_task = m_queue.isEmpty() ? nullptr : m_queue.takeFirst();
    if (!m_task)
        return;
    m_source = m_task->sourceDigest(m_folder);
    m_judge.start(m_task->judgeTask(m_folder));
}

void EndChecks::finished(const Verdict &verdict)
{
    m_task->verdict = verdict;
    m_task->checkedSource = m_source;
    ++m_done;
    next();
    emit checked();
}
