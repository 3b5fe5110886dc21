#include "app/LoginPictures.h"

#include <QResource>

namespace {

// The picture as the build kept it, or a null pixmap when it was not kept at this ratio.
QPixmap kept(LoginArt::Picture picture, qreal ratio)
{
    if (ratio != int(ratio))
        return {};
    const QResource pixels(QStringLiteral(":/loginart/") + LoginArt::keptFile(picture, int(ratio)));
    const QSize size = LoginArt::size(picture) * ratio;
    const qsizetype bytes = qsizetype(size.width()) * size.height() * 4; // both kept formats: 32 bits a pixel
    // Kept uncompressed, so the image reads the resource where it lies; the pixmap copies it.
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression || pixels.size() != bytes)
        return {};
    QPixmap pixmap = QPixmap::fromImage(QImage(pixels.data(), size.width(), size.height(), LoginArt::keptFormat(picture)));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}

QPixmap LoginPictures::picture(LoginArt::Picture picture, qreal pixelRatio)
{
    const QPixmap pixmap = kept(picture, pixelRatio);
    return pixmap.isNull() ? LoginArt::paint(picture, pixelRatio) : pixmap;
}
