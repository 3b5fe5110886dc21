#include "review/ReviewTexts.h"

#include "paper/Paper.h"
#include "paper/Score.h"

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

QString ReviewTexts::practiceHeading(const QString &asked)
{
    return QStringLiteral("错题练习：【") + asked + QStringLiteral("】");
}

QString ReviewTexts::questionText(const QString &heading, const ChoiceQuestion &question)
{
    QString text = heading + question.title + crlf;
    for (int k = 1; k <= 4; ++k)
        text += QStringLiteral("   ") + question.option(k) + crlf;
    return text;
}

QString ReviewTexts::explainText(const QString &chosenLine, const QString &answer, const QString &explain)
{
    return chosenLine + crlf + QStringLiteral(" 正确答案：【") + answer + QStringLiteral("】;") + crlf + explain + crlf;
}

namespace {

QString part(const QString &name, const Score::Part &part)
{
    return QStringLiteral("%1 %2/%3").arg(name).arg(part.right).arg(part.count);
}

// "12:03", or "1:02:03" past the hour.
QString duration(int seconds)
{
    const int h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    const QString ms = QStringLiteral("%1:%2").arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return h > 0 ? QStringLiteral("%1:").arg(h) + ms : ms;
}

}

QString ReviewTexts::summary(const Score &score, int seconds, int checksDone, int checks)
{
    QStringList parts{part(QStringLiteral("选择题"), score.choice), part(QStringLiteral("填空"), score.blank),
                      part(QStringLiteral("改错"), score.err), part(QStringLiteral("编程"), score.pro),
                      QStringLiteral("得分 %1").arg(score.points), QStringLiteral("用时 ") + duration(seconds)};
    if (checksDone < checks)
        parts << QStringLiteral("正在检查 %1/%2").arg(checksDone).arg(checks);
    return parts.join(QStringLiteral(" · "));
}
