#pragma once

#include <QString>

// YAML text that reads back exactly: a literal block where the text allows one (it reads best
// for programs and RTF), a double-quoted line with escapes otherwise.
namespace YamlText {
// The scalar to write after "key: " or "- ". indent: the columns of the block's lines.
QString scalar(const QString &text, int indent);
}
