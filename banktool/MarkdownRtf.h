#pragma once

#include <QByteArray>
#include <QString>

// Study texts are written in Markdown and stored as RTF documents.
namespace MarkdownRtf {
QByteArray convert(const QString &markdown);
}
