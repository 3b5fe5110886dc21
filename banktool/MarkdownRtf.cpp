#include "banktool/MarkdownRtf.h"

// For now the text is stored as it is written; the reader shows text that is not RTF as plain text.
QByteArray MarkdownRtf::convert(const QString &markdown)
{
    return markdown.toUtf8();
}
