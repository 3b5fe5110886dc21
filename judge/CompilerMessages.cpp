#include "judge/CompilerMessages.h"

#include <QRegularExpression>

namespace CompilerMessages {

namespace {

// A statement without its ';' is only seen at the next token, which the compiler names.
bool missesSemicolon(const QString &message)
{
    return message.startsWith(u"expected") && message.contains(QStringLiteral("';'"));
}

// The line that a missing ';' belongs to: the last one before `line` that holds code, when the
// token named is the first of its line.
int lineOfMissingSemicolon(const QStringList &source, int line, int column)
{
    if (line < 1 || line > source.size())
        return line;
    const QString &named = source[line - 1];
    if (!named.left(std::max(0, column - 1)).trimmed().isEmpty())
        return line;
    for (int before = line - 1; before >= 1; --before) {
        if (!source[before - 1].trimmed().isEmpty())
            return before;
    }
    return line;
}

}

QList<CompilerMessage> parse(const QString &output, const QString &fileName, const QString &source)
{
    static const QRegularExpression where(QStringLiteral("^(.*?):(\\d+):(?:(\\d+):)? (fatal error|error|warning|note): (.*)$"));
    static const QRegularExpression linker(QStringLiteral("(?:undefined reference to|error:) (.*)$"));
    const QStringList sourceLines = QString(source).remove(u'\r').split(u'\n');
    QList<CompilerMessage> messages;
    bool inMessage = false; // the lines that follow belong to the last message
    for (QString line : QString(output).remove(u'\r').split(u'\n')) {
        const QRegularExpressionMatch m = where.match(line);
        if (m.hasMatch() && m.captured(4) == u"note") {
            if (inMessage)
                messages.back().text += u'\n' + line;
            continue;
        }
        if (m.hasMatch() && m.captured(1).endsWith(fileName)) {
            CompilerMessage message;
            message.line = m.captured(2).toInt();
            message.column = m.captured(3).toInt();
            message.error = m.captured(4) != u"warning";
            message.message = m.captured(5);
            message.text = line;
            message.faultLine = missesSemicolon(message.message) ? lineOfMissingSemicolon(sourceLines, message.line, message.column)
                                                                 : message.line;
            messages << message;
            inMessage = true;
            continue;
        }
        if (line.startsWith(u' ') && inMessage) {
            messages.back().text += u'\n' + line;
            continue;
        }
        inMessage = false;
        // The linker's errors name no line: a function declared but never defined, "mian".
        const QRegularExpressionMatch l = linker.match(line);
        if (l.hasMatch() && !line.startsWith(QStringLiteral("collect2"))) {
            CompilerMessage message;
            message.error = true;
            message.message = line.mid(line.indexOf(QStringLiteral(": ")) + 2);
            message.text = line;
            messages << message;
        }
    }
    return messages;
}

}
