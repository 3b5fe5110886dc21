#include "rtf/RtfReader.h"

#include "rtf/RtfCodepage.h"
#include "rtf/RtfParser.h"

#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>
#include <optional>

namespace RtfReader {

namespace {
QByteArrayView skipLeadIn(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    qsizetype i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r'
                               || data[i] == '\n' || data[i] == '\f' || data[i] == '\v'))
        ++i;
    return data.sliced(i);
}

// Plain text goes in as it is, a piece at a time at the document's end.
class PlainText {
public:
    PlainText(QByteArrayView data, QTextDocument *doc) : m_text(decodePlainText(data))
    {
        doc->clear();
        doc->setUndoRedoEnabled(false);
        m_cursor = QTextCursor(doc);
    }

    bool readMore(qsizetype characters)
    {
        qsizetype end = m_done + std::min(std::max<qsizetype>(characters, 1), m_text.size() - m_done);
        // A line break written \r\n and a surrogate pair go in whole.
        if (end < m_text.size() && (m_text[end - 1] == u'\r' || m_text[end - 1].isHighSurrogate()))
            ++end;
        if (end > m_done)
            m_cursor.insertText(m_text.sliced(m_done, end - m_done));
        m_done = end;
        return m_done == m_text.size();
    }

private:
    QString m_text;
    qsizetype m_done = 0;
    QTextCursor m_cursor;
};
} // namespace

struct Reading::Source {
    std::optional<rtf::Parsing> rtf;
    std::optional<PlainText> plain;
};

Reading::Reading(QByteArrayView data, QTextDocument *doc) : m_source(std::make_unique<Source>())
{
    if (looksLikeRtf(data))
        m_source->rtf.emplace(skipLeadIn(data), doc);
    else
        m_source->plain.emplace(data, doc);
}

Reading::~Reading() = default;

bool Reading::readMore(qsizetype amount)
{
    return m_source->rtf ? m_source->rtf->readMore(amount) : m_source->plain->readMore(amount);
}

bool looksLikeRtf(QByteArrayView data)
{
    return skipLeadIn(data).startsWith("{\\rtf");
}

void readRtf(QByteArrayView data, QTextDocument *doc)
{
    rtf::parse(skipLeadIn(data), doc);
}

QString decodePlainText(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    rtf::Decoders decoders;
    return decoders.decodeWhole(936, data);
}

void load(QByteArrayView data, QTextDocument *doc)
{
    Reading(data, doc).readMore(std::numeric_limits<qsizetype>::max());
}

} // namespace RtfReader
