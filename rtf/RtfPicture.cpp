#include "rtf/RtfPicture.h"

#include "rtf/RtfOutput.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace rtf {

namespace {
constexpr qint64 kPixelBudget = 64LL << 20; // decoded picture pixels per document
constexpr double kMaxSide = 4000;           // pixels on screen
} // namespace

void Picture::appendHex(QByteArrayView text)
{
    for (char c : text) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else
            continue;
        if (pendingNibble < 0) {
            pendingNibble = v;
        } else {
            data.append(char(pendingNibble << 4 | v));
            pendingNibble = -1;
        }
    }
}

void Picture::setProperty(Kw kw, int param)
{
    switch (kw) {
    case Kw::Pngblip: kind = PictKind::Png; return;
    case Kw::Jpegblip: kind = PictKind::Jpeg; return;
    case Kw::Emfblip:
    case Kw::Wmetafile:
    case Kw::Dibitmap:
    case Kw::Wbitmap:
    case Kw::Macpict:
    case Kw::Pmmetafile: kind = PictKind::Other; return;
    case Kw::Picw: picw = param; return;
    case Kw::Pich: pich = param; return;
    case Kw::Picwgoal: goalw = param; return;
    case Kw::Pichgoal: goalh = param; return;
    case Kw::Picscalex: scalex = param; return;
    case Kw::Picscaley: scaley = param; return;
    default: return;
    }
}

QString PictureStore::placeholder()
{
    if (m_placeholder.isEmpty()) {
        m_placeholder = QStringLiteral("rtfpict:placeholder");
        QImage img(48, 48, QImage::Format_RGB32);
        img.fill(QColor(0xee, 0xee, 0xee));
        QPainter painter(&img);
        painter.setPen(QColor(0x99, 0x99, 0x99));
        painter.drawRect(0, 0, 47, 47);
        painter.drawLine(0, 0, 47, 47);
        painter.drawLine(0, 47, 47, 0);
        painter.end();
        m_doc->addResource(QTextDocument::ImageResource, QUrl(m_placeholder), img);
    }
    return m_placeholder;
}

QTextImageFormat PictureStore::add(Picture &pict)
{
    QImage img;
    if (pict.kind == PictKind::Png || pict.kind == PictKind::Jpeg) {
        QBuffer buffer(&pict.data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, pict.kind == PictKind::Png ? "png" : "jpeg");
        const QSize size = reader.size(); // from the header, before decoding
        if (size.isValid()) {
            const qint64 pixels = qint64(size.width()) * size.height();
            if (pixels > 0 && m_pixelsUsed + pixels <= kPixelBudget) {
                m_pixelsUsed += pixels;
                img = reader.read();
            }
        }
    }

    // Size on screen: the goal size in twips, else the picture's own size.
    double w = 0, h = 0;
    if (pict.goalw > 0 && pict.goalh > 0) {
        w = pict.goalw / kTwipsPerPixel;
        h = pict.goalh / kTwipsPerPixel;
    } else if (!img.isNull()) {
        w = img.width();
        h = img.height();
    } else if (pict.picw > 0 && pict.pich > 0) {
        // Metafile extents come in hundredths of a millimetre, bitmaps in pixels.
        const bool metafile = pict.kind == PictKind::Other;
        w = metafile ? pict.picw * 96.0 / 2540.0 : pict.picw;
        h = metafile ? pict.pich * 96.0 / 2540.0 : pict.pich;
    } else {
        w = h = 48;
    }
    if (pict.scalex > 0)
        w = w * std::min(pict.scalex, 10000) / 100.0;
    if (pict.scaley > 0)
        h = h * std::min(pict.scaley, 10000) / 100.0;

    QTextImageFormat fmt;
    if (!img.isNull()) {
        const QString name = QStringLiteral("rtfpict:%1").arg(++m_count);
        m_doc->addResource(QTextDocument::ImageResource, QUrl(name), img);
        fmt.setName(name);
    } else {
        fmt.setName(placeholder());
    }
    fmt.setWidth(std::clamp(w, 1.0, kMaxSide));
    fmt.setHeight(std::clamp(h, 1.0, kMaxSide));
    return fmt;
}

} // namespace rtf
