#pragma once

#include <QString>

// A title's source wraps its paragraphs at a convenient width, but the answering windows wrap
// lines themselves, so those breaks would show as ragged lines. A break between two lines of
// prose is dropped; code (indented, or ending in ; { }, holding a comment, a # line), list items
// and blank lines keep theirs.
namespace TitleText {
QString joinParagraphs(const QString &title);
}
