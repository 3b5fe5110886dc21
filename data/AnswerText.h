#pragma once

#include <QString>

// The bank's answers are taken trimmed of blanks only, as they were typed; other characters stay.
inline QString trimBlanks(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.mid(from, to - from);
}
