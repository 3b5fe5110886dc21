#include "judge/CodeBlanks.h"

namespace CodeBlanks {

QString squeezed(QStringView text, QList<qsizetype> *offsets)
{
    enum class In { Code, String, Character, LineComment, BlockComment };
    In in = In::Code;
    qsizetype commentStart = 0;
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        bool keep = !c.isSpace();
        switch (in) {
        case In::Code:
            if (c == u'"')
                in = In::String;
            else if (c == u'\'')
                in = In::Character;
            else if (c == u'/' && next == u'/')
                in = In::LineComment;
            else if (c == u'/' && next == u'*') {
                in = In::BlockComment;
                commentStart = i;
            }
            break;
        case In::String:
        case In::Character:
            keep = c != u'\n' && c != u'\r';
            if (c == u'\\' && next != u'\n' && next != u'\r' && i + 1 < text.size()) {
                kept += c;
                if (offsets)
                    *offsets << i;
                // The escaped character goes with its backslash, whatever it is.
                ++i;
                kept += text[i];
                if (offsets)
                    *offsets << i;
                continue;
            }
            if ((in == In::String && c == u'"') || (in == In::Character && c == u'\'') || c == u'\n')
                in = In::Code;
            break;
        case In::LineComment:
            if (c == u'\n')
                in = In::Code;
            break;
        case In::BlockComment:
            if (c == u'/' && i - 1 > commentStart + 1 && text[i - 1] == u'*')
                in = In::Code;
            break;
        }
        if (keep) {
            kept += c;
            if (offsets)
                *offsets << i;
        }
    }
    return kept;
}

}
