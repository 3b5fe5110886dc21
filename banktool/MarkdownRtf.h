#pragma once

#include <QByteArray>
#include <QString>

// Study texts are written in Markdown (CommonMark with pipe tables) and stored as RTF documents,
// which both our reader and word processors show. The RTF is plain ASCII: every other character is
// a \uN escape with a '?' fallback.
namespace MarkdownRtf {
// Room for text in the boxes that show a chapter and an algorithm (twips, 15 to a pixel), less a
// scroll bar: tables are made no wider.
constexpr int kChapterWidth = 7200;
constexpr int kAlgorithmWidth = 5600;

QByteArray convert(const QString &markdown, int textWidth = kAlgorithmWidth);
}
