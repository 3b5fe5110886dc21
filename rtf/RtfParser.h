#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace rtf {

// Replaces the document's content with the RTF, which starts at its "{\rtf": one forward pass
// over the tokens, each group's state on a stack, text and formats written to the document or to
// the table being read.
void parse(QByteArrayView rtf, QTextDocument *doc);

} // namespace rtf
