#pragma once

#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Reads the RTF written by Word, WordPad and our bank tool (Chinese text as
// GBK \'hh bytes or \uN escapes) straight into a QTextDocument. No widgets
// are involved, so the reader can be tested and fuzzed on its own.
namespace RtfReader {

// True when the data, after white space and a byte-order mark, starts "{\rtf".
bool looksLikeRtf(QByteArrayView data);

// Replaces the document's content with the RTF in data. Malformed input yields
// whatever could be read; it never throws and runs in time linear in the input.
void readRtf(QByteArrayView data, QTextDocument *doc);

// Plain text as the windows would show it: UTF-8 if it is valid UTF-8, else GBK.
QString decodePlainText(QByteArrayView data);

// RTF when it looks like RTF, otherwise the data as plain text.
void load(QByteArrayView data, QTextDocument *doc);

} // namespace RtfReader
