#include "paper/Paper.h"

#include <QtGlobal>

void paperIndexFault(int index, int size)
{
    qFatal("question index %d outside 1..%d", index, size);
}

QString &OptionTable::operator()(int i, int k)
{
    if (k < 1 || k > 4)
        paperIndexFault(k, 4);
    return m_rows(i)[std::size_t(k - 1)];
}

const QString &OptionTable::operator()(int i, int k) const
{
    if (k < 1 || k > 4)
        paperIndexFault(k, 4);
    return m_rows(i)[std::size_t(k - 1)];
}

static void clearSection(ProgramSection &s)
{
    s.title.fill({});
    s.explain.fill({});
    s.answer.fill({});
    s.bankTable.clear();
    s.bankId.fill(0);
    s.dataFile.fill({});
    s.handedOut.fill({});
    s.verdict.fill({});
    s.current = 0;
    s.count = 0;
}

void Paper::clear()
{
    ch.title.fill({});
    ch.option.clear();
    ch.explain.fill({});
    ch.answer.fill({});
    ch.chosen.fill(0);
    ch.current = 0;
    ch.count = 0;
    clearSection(blank);
    clearSection(err);
    clearSection(pro);
}
