#include "banktool/TitleText.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

bool isChinese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x303f) || (u >= 0x3400 && u <= 0x4dbf) || (u >= 0x4e00 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef);
}

bool isAsciiWordCharacter(QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); }

bool isProse(const QString &line)
{
    static const QRegularExpression listItem(QStringLiteral("^(- |\\* |\\d+[.、)]|（\\d+）|\\(\\d+\\)|【\\d+】)"));
    if (line.isEmpty() || line.front().isSpace() || line.startsWith(u'#') || listItem.match(line).hasMatch())
        return false;
    const QString trimmed = line.trimmed();
    if (trimmed.endsWith(u';') || trimmed.endsWith(u'{') || trimmed.endsWith(u'}') || line.contains(QStringLiteral("/*"))
        || line.contains(QStringLiteral("//")))
        return false;
    return std::any_of(line.begin(), line.end(), isChinese);
}

}

QString TitleText::joinParagraphs(const QString &title)
{
    QStringList lines;
    for (const QString &line : title.split(u'\n')) {
        if (!lines.isEmpty() && isProse(lines.back()) && isProse(line)) {
            QString &previous = lines.back();
            while (previous.endsWith(u' '))
                previous.chop(1);
            // Chinese runs on without a blank; an ASCII word at the joint keeps one from its neighbour.
            if (isAsciiWordCharacter(previous.back()) || isAsciiWordCharacter(line.front()))
                previous += u' ';
            previous += line;
        } else {
            lines << line;
        }
    }
    return lines.join(u'\n');
}
