#include "banktool/YamlText.h"

#include <QStringList>

namespace {

bool needsEscape(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\n' && u != u'\t') || u == 0x7F || u == 0x85 || u == 0x2028 || u == 0x2029
        || u == 0xFEFF;
}

// A literal block keeps every character but carriage returns and the other escapes, and cannot
// start with blanks or an empty line, nor hold a line of blanks alone (its blanks would be lost).
bool fitsLiteralBlock(const QString &text)
{
    if (!text.contains(u'\n') || text.trimmed().isEmpty() || text.startsWith(u' ') || text.startsWith(u'\t')
        || text.startsWith(u'\n') || text.contains(u'\r'))
        return false;
    for (const QChar c : text) {
        if (needsEscape(c))
            return false;
    }
    for (const QString &line : text.split(u'\n')) {
        if (!line.isEmpty() && line.trimmed().isEmpty())
            return false;
    }
    return true;
}

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            if (needsEscape(c))
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

}

QString YamlText::scalar(const QString &text, int indent)
{
    if (!fitsLiteralBlock(text))
        return quoted(text);
    // Chomping: "-" drops the last line break, none keeps one, "+" keeps every trailing one.
    const QString chomp = text.endsWith(QStringLiteral("\n\n")) ? QStringLiteral("+")
                        : text.endsWith(u'\n')                 ? QString()
                                                               : QStringLiteral("-");
    const QString body = text.endsWith(u'\n') ? text.chopped(1) : text;
    QString out = u'|' + chomp;
    for (const QString &line : body.split(u'\n'))
        out += u'\n' + (line.isEmpty() ? QString() : QString(indent, u' ') + line);
    return out;
}
