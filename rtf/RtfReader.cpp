#include "rtf/RtfReader.h"

#include "rtf/RtfCodepage.h"
#include "rtf/RtfParser.h"

#include <QStringDecoder>
#include <QTextDocument>

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
} // namespace

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
    if (looksLikeRtf(data)) {
        readRtf(data, doc);
        return;
    }
    doc->setUndoRedoEnabled(false);
    doc->setPlainText(decodePlainText(data));
}

} // namespace RtfReader
