#pragma once

#include "rtf/RtfKeywords.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QTextImageFormat>

#include <cstdint>

class QTextDocument;

namespace rtf {

enum class PictKind : std::uint8_t { None, Png, Jpeg, Other };

// A \pict group as read so far.
struct Picture {
    PictKind kind = PictKind::None;
    int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
    QByteArray data;
    int pendingNibble = -1;

    void appendHex(QByteArrayView text); // skips anything that is not a hex digit
    void setProperty(Kw kw, int param);  // the kind, sizes and scales; other words mean nothing
};

// Turns pictures into document resources. PNG and JPEG are decoded within a
// per-document pixel budget; anything else (metafiles, DIBs, broken data) is
// shown as one shared placeholder stretched to the picture's size.
class PictureStore {
public:
    explicit PictureStore(QTextDocument *doc) : m_doc(doc) {}

    QTextImageFormat add(Picture &pict);

private:
    QString placeholder();

    QTextDocument *m_doc;
    int m_count = 0;
    qint64 m_pixelsUsed = 0;
    QString m_placeholder;
};

} // namespace rtf
