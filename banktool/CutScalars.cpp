#include "banktool/CutScalars.h"

#include "banktool/Language.h"

namespace {

// yaml-cpp tags a plain scalar "?" and a quoted or block one "!".
bool isPlain(const YAML::Node &node) { return node.IsScalar() && node.Tag() == "?"; }

void visitValues(const YAML::Node &node, const auto &onValue)
{
    if (node.IsMap()) {
        for (auto it = node.begin(); it != node.end(); ++it)
            visitValues(it->second, onValue);
    } else if (node.IsSequence()) {
        for (const YAML::Node &item : node)
            visitValues(item, onValue);
    } else if (node.IsScalar()) {
        onValue(node);
    }
}

}

void CutScalars::refuse(const QString &file, const QList<QByteArray> &lines, const YAML::Node &root, QStringList &errors)
{
    visitValues(root, [&](const YAML::Node &value) {
        if (!isPlain(value))
            return;
        const YAML::Mark mark = value.Mark();
        if (mark.line < 0 || mark.line >= lines.size())
            return;
        const QByteArray rest = lines[mark.line].mid(mark.column);
        if (!rest.contains(" #") && !rest.contains("\t#"))
            return;
        errors << QStringLiteral("%1:%2: %3").arg(file).arg(mark.line + 1).arg(
            localized(u"不加引号的文字在 \" #\" 处就结束了，后面的部分成了注释：'%1'。请给整段文字加上引号，或者改用 | 块",
                      u"an unquoted text ends at \" #\" and the rest of the line becomes a comment: '%1'. Quote the whole text or write it as a | block")
                .arg(QString::fromUtf8(rest.trimmed())));
    });
}
