#include "data/RowRules.h"

#include "platform/Blanks.h"

QString RowRules::idFault(const Record &row)
{
    const QString id = QStringLiteral("id");
    if (row.isNull(id))
        return QStringLiteral("编号为空");
    if (!row.readable(id))
        return QStringLiteral("编号是二进制数据");
    if (row.text(id).size() != 2)
        return QStringLiteral("编号“%1”不是两个字符").arg(row.text(id));
    return {};
}

bool RowRules::listed(const Record &row)
{
    return idFault(row).isEmpty() && row.readable(QStringLiteral("title"));
}

namespace {
const QStringList kLetters = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
}

QString RowRules::answerKey(const Record &row, const QString &field)
{
    const QString key = trimBlanks(row.text(field));
    return kLetters.contains(key.toUpper()) ? key.toUpper() : key;
}

QString RowRules::answerFault(const Record &row, const QString &field)
{
    if (!row.readable(field))
        return QStringLiteral("正确答案是二进制数据");
    const QString answer = answerKey(row, field);
    if (answer.isEmpty())
        return QStringLiteral("没有正确答案");
    if (!kLetters.contains(answer))
        return QStringLiteral("正确答案“%1”不是 A、B、C、D 之一").arg(row.text(field));
    return {};
}
