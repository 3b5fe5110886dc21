#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <yaml-cpp/yaml.h>

// A plain (unquoted) YAML value ends at " #": the rest of its line is a comment. A title such as
// "以下关于预处理命令 #include ..." would reach the student cut in half, so a plain value whose
// line goes on after " #" is refused: it must be quoted or written as a block.
namespace CutScalars {
// lines: the file's lines as bytes (the parser's columns count bytes).
void refuse(const QString &file, const QList<QByteArray> &lines, const YAML::Node &root, QStringList &errors);
}
