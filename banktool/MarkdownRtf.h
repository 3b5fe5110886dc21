#pragma once

#include <QByteArray>
#include <QString>

// Study texts are written in Markdown (CommonMark with pipe tables) and stored as RTF documents,
// which both our reader and word processors show. The RTF is plain ASCII: every other character is
// a \uN escape with a '?' fallback.
namespace MarkdownRtf {
QByteArray convert(const QString &markdown);
}
