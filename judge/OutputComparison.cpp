#include "judge/OutputComparison.h"

#include <QRegularExpression>

#include <algorithm>

namespace OutputComparison {

namespace {

template<typename Sequence>
qsizetype firstMismatch(const Sequence &expected, const Sequence &actual)
{
    const qsizetype common = std::min(expected.size(), actual.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (expected[i] != actual[i])
            return i;
    }
    return expected.size() == actual.size() ? -1 : common;
}

}

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
    return firstMismatch(expected, actual);
}

bool sameWords(const QString &expected, const QString &actual)
{
    return expected.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)
           == actual.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

qsizetype firstDifferentColumn(const QString &expected, const QString &actual)
{
    return firstMismatch(expected, actual);
}

}
