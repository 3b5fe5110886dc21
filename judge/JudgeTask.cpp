#include "judge/JudgeTask.h"

JudgeCase caseOfRow(const std::function<QString(const QString &name)> &field)
{
    JudgeCase c;
    c.number = field(QStringLiteral("case_no")).toInt();
    c.hidden = field(QStringLiteral("hidden")).toInt() != 0;
    c.description = field(QStringLiteral("about"));
    c.input = field(QStringLiteral("input"));
    c.data = field(QStringLiteral("data"));
    c.expected = field(QStringLiteral("output"));
    return c;
}

QByteArray dataFileBytes(const QString &data)
{
    return data.isEmpty() ? QByteArray() : (data + QStringLiteral("\r\n")).toLocal8Bit();
}
