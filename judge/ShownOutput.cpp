#include "judge/ShownOutput.h"

#include <algorithm>

namespace ShownOutput {

QString line(const QString &line)
{
    QString shown;
    qsizetype kept = std::min(line.size(), kMaxLineLength);
    if (kept < line.size() && line[kept - 1].isHighSurrogate())
        --kept;
    shown.reserve(kept + 16);
    for (qsizetype i = 0; i < kept; ++i) {
        const char16_t c = line[i].unicode();
        if (c == u'\0')
            shown += QStringLiteral("\\0");
        else if (c < 0x20 && c != u'\t')
            shown += QChar(char16_t(0x2400 + c)); // the Control Pictures block: ␛, ␇, ␍, ...
        else if (c == 0x7F)
            shown += QChar(u'\u2421'); // ␡
        else
            shown += line[i];
    }
    if (kept < line.size())
        shown += QStringLiteral("……（这一行还有 %1 个字符）").arg(line.size() - kept);
    return shown;
}

}
