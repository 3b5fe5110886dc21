#include "judge/OutputComparison.h"

#include <algorithm>

namespace OutputComparison {

QStringList lines(const QString &output)
{
    QStringList result = QString(output).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    for (QString &line : result) {
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
    }
    while (!result.isEmpty() && result.back().isEmpty())
        result.removeLast();
    return result;
}

qsizetype firstDifference(const QStringList &expected, const QStringList &actual)
{
    const qsizetype common = std::min(expected.size(), actual.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (expected[i] != actual[i])
            return i;
    }
    return expected.size() == actual.size() ? -1 : common;
}

}
