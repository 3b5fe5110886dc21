#include "review/ReviewTexts.h"

#include "paper/Paper.h"

QString ReviewTexts::choiceLine(int chosen)
{
    if (chosen >= 1 && chosen <= 4)
        return QStringLiteral("你选择的答案为【%1】").arg(QChar(u'A' + (chosen - 1)));
    return QStringLiteral("本题你未选答案！");
}

QString ReviewTexts::choiceHeading(int n)
{
    return QStringLiteral("【第%1题】：").arg(n);
}

QString ReviewTexts::taskHeading(int n)
{
    return QStringLiteral("【%1】").arg(n);
}

QString ReviewTexts::spacedTaskHeading(int n)
{
    return taskHeading(n) + u' ';
}

QString ReviewTexts::testHeading(int group)
{
    return QStringLiteral("题组号：【%1】").arg(group);
}

QString ReviewTexts::unitHeading(const QString &chapter)
{
    return QStringLiteral("单元练习：【") + chapter + QStringLiteral("】");
}

QString ReviewTexts::questionText(const QString &heading, const ChoiceSection &ch, int n)
{
    QString text = heading + ch.title(n) + crlf;
    for (int k = 1; k <= 4; ++k)
        text += QStringLiteral("   ") + ch.option(n, k) + crlf;
    return text;
}

QString ReviewTexts::explainText(const QString &chosenLine, const QString &answer, const QString &explain)
{
    return chosenLine + crlf + QStringLiteral(" 正确答案：【") + answer + QStringLiteral("】;") + crlf + explain + crlf;
}
