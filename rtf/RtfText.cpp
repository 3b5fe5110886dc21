#include "rtf/RtfText.h"

#include <QStringDecoder>

namespace rtf {

void TextRun::appendBytes(QByteArrayView bytes, int codepage)
{
    if (codepage != m_bytesCodepage) {
        decodePending();
        dropDanglingByte();
        m_bytesCodepage = codepage;
    }
    m_bytes.append(bytes.data(), bytes.size());
}

void TextRun::appendUnit(char16_t unit)
{
    decodePending();
    if (QChar::isHighSurrogate(unit)) {
        endSurrogate();
        m_highSurrogate = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (m_highSurrogate) {
            m_run.append(QChar(m_highSurrogate));
            m_run.append(QChar(unit));
            m_highSurrogate = 0;
        } else {
            m_run.append(QChar(QChar::ReplacementCharacter));
        }
        return;
    }
    endSurrogate();
    if (unit != 0)
        m_run.append(QChar(unit));
}

void TextRun::appendChar(QChar c)
{
    decodePending();
    endSurrogate();
    m_run.append(c);
}

void TextRun::dropDanglingByte()
{
    if (m_bytesCodepage >= 0)
        m_decoders.get(m_bytesCodepage).resetState();
}

QString TextRun::take()
{
    decodePending();
    endSurrogate();
    // The file's own line breaks are gone already; these came from \'hh or \uN.
    m_run.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t') || u == 0xFDD0 || u == 0xFDD1 || u == 0x2029;
    });
    QString text = m_run;
    m_run.clear();
    return text;
}

void TextRun::decodePending()
{
    if (m_bytes.isEmpty())
        return;
    endSurrogate();
    // The decoder keeps a dangling lead byte for the next piece of text.
    m_run.append(m_decoders.get(m_bytesCodepage).decode(m_bytes));
    m_bytes.clear();
}

void TextRun::endSurrogate()
{
    if (m_highSurrogate) {
        m_run.append(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = 0;
    }
}

} // namespace rtf
