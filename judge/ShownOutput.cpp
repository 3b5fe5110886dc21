#include "judge/ShownOutput.h"

#include <algorithm>

namespace ShownOutput {

namespace {

// A control character as a C escape, which every student has seen and every font can show:
// the named ones by their letter, the others in octal ("\033" for ESC).
QString escaped(char16_t c)
{
    switch (c) {
    case u'\0': return QStringLiteral("\\0");
    case u'\a': return QStringLiteral("\\a");
    case u'\b': return QStringLiteral("\\b");
    case u'\v': return QStringLiteral("\\v");
    case u'\f': return QStringLiteral("\\f");
    case u'\r': return QStringLiteral("\\r");
    default: return QStringLiteral("\\%1").arg(int(c), 3, 8, QLatin1Char('0'));
    }
}

}

QString line(const QString &line)
{
    qsizetype kept = std::min(line.size(), kMaxLineLength);
    if (kept < line.size() && line[kept - 1].isHighSurrogate())
        --kept;
    QString shown;
    shown.reserve(kept + 16);
    for (qsizetype i = 0; i < kept; ++i) {
        const char16_t c = line[i].unicode();
        if ((c < 0x20 && c != u'\t') || c == 0x7F)
            shown += escaped(c);
        else
            shown += line[i];
    }
    if (kept < line.size())
        shown += QStringLiteral("……（这一行还有 %1 个字符）").arg(line.size() - kept);
    return shown;
}

}
