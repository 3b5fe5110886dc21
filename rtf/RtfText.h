#pragma once

#include "rtf/RtfCodepage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace rtf {

// The text of the run being read, until it is written out. Bytes are decoded
// in the code page of their font as late as possible, so that a double-byte
// character whose two bytes arrive in separate escapes still reads as one;
// \uN units pair their surrogate halves, and a half without its partner reads
// as U+FFFD.
class TextRun {
public:
    explicit TextRun(Decoders &decoders) : m_decoders(decoders) {}

    void appendBytes(QByteArrayView bytes, int codepage);
    void appendUnit(char16_t unit); // \uN; 0 adds nothing
    void appendChar(QChar c);
    // A double-byte character never spans a paragraph or cell mark: a lead
    // byte left over is dropped, so that it cannot swallow the next letter.
    void dropDanglingByte();
    // What was read since the last take, without the control characters that
    // would read as paragraph breaks or the document's own frame markers.
    QString take();
    // A \uN high surrogate waits for its other half, which take() would not wait for.
    bool awaitsLowSurrogate() const { return m_highSurrogate != 0; }

private:
    void decodePending();
    void endSurrogate(); // an unpaired high surrogate becomes U+FFFD

    Decoders &m_decoders;
    QByteArray m_bytes;
    int m_bytesCodepage = -1;
    QString m_run;
    char16_t m_highSurrogate = 0;
};

} // namespace rtf
