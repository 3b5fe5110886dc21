#include "judge/CodeBlanks.h"

#include <QRegularExpression>

namespace CodeBlanks {

namespace {

bool isWord(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Whether a blank between two characters keeps two tokens apart: "int a", "a - -b", "x + +y".
bool separates(QChar before, QChar after)
{
    if (isWord(before) && isWord(after))
        return true;
    static const QStringList pairs = {"++", "--", "&&", "||", "<<", ">>", "==", "!=", "<=", ">=", "->", "+=", "-=", "*=",
                                      "/=", "%=", "&=", "|=", "^=", "##", "//", "/*", "*/", ".."};
    return pairs.contains(QString(before) + after);
}

// "#define MAX (a, b)" defines MAX as "(a, b) ...", "#define MAX(a, b)" a macro of two arguments.
bool endsWithMacroName(const QString &kept)
{
    static const QRegularExpression defined(QStringLiteral("#define \\w+$"));
    return defined.match(kept).hasMatch();
}

const QRegularExpression &markAtEnd()
{
    static const QRegularExpression mark(QStringLiteral("___\\d+___$"));
    return mark;
}

const QRegularExpression &markAtStart()
{
    static const QRegularExpression mark(QStringLiteral("^___\\d+___"));
    return mark;
}

}

QString squeezed(QStringView text, QList<qsizetype> *offsets)
{
    enum class In { Code, String, Character, LineComment, BlockComment };
    In in = In::Code;
    qsizetype commentStart = 0;
    QString kept;
    kept.reserve(text.size());
    const auto keep = [&](qsizetype i, QChar c) {
        kept += c;
        if (offsets)
            *offsets << i;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        switch (in) {
        case In::Code:
            if (c.isSpace()) {
                qsizetype end = i;
                while (end < text.size() && text[end].isSpace())
                    ++end;
                // A blank beside a fill-in mark never counts: what the student writes there is free.
                if (!kept.isEmpty() && end < text.size() && !markAtEnd().match(kept).hasMatch()
                    && !markAtStart().match(text.mid(end).toString().left(12)).hasMatch()
                    && (separates(kept.back(), text[end]) || (text[end] == u'(' && endsWithMacroName(kept))))
                    keep(i, u' ');
                i = end - 1;
                continue;
            }
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
            keep(i, c);
            break;
        case In::String:
        case In::Character:
            if (c == u'\n' || c == u'\r') { // a literal left open ends with its line
                in = In::Code;
                --i;
                continue;
            }
            keep(i, c);
            if (c == u'\\' && i + 1 < text.size() && next != u'\n' && next != u'\r') {
                keep(i + 1, next); // the escaped character goes with its backslash
                ++i;
            } else if ((in == In::String && c == u'"') || (in == In::Character && c == u'\'')) {
                in = In::Code;
            }
            break;
        case In::LineComment:
        case In::BlockComment:
            if (in == In::LineComment ? c == u'\n' : (c == u'/' && i - 1 > commentStart + 1 && text[i - 1] == u'*'))
                in = In::Code;
            if (!c.isSpace())
                keep(i, c);
            break;
        }
    }
    return kept;
}

}
