#pragma once

#include <QByteArrayView>
#include <QString>

#include <memory>

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

// load() a slice at a time, so that a long text can be read between other work: each slice
// is one edit of the document, added at its end. The document is emptied at once; the data
// must outlive the reading.
class Reading {
public:
    Reading(QByteArrayView data, QTextDocument *doc);
    ~Reading();
    Reading(const Reading &) = delete;
    Reading &operator=(const Reading &) = delete;

    // Reads on by about `amount` (bytes of RTF, characters of plain text), at least a little;
    // true once the whole text is in the document.
    bool readMore(qsizetype amount);

private:
    struct Source;
    std::unique_ptr<Source> m_source;
};

} // namespace RtfReader
