#pragma once

#include <QImage>
#include <QPixmap>

// The start screen's pictures, painted at a pixel ratio so they stay crisp on HiDPI.
namespace LoginArt {
enum class Picture { Background, Study, Algorithms, Practice, Exit };
constexpr Picture kPictures[] = {Picture::Background, Picture::Study, Picture::Algorithms, Picture::Practice,
                                 Picture::Exit};

// In the window's pixels: the background 699 x 449, a button 150 x 54 (the exit button 150 x 53).
QSize size(Picture picture);
// The background: a green banner with the system's name, white below. A button: icon and label.
QPixmap paint(Picture picture, qreal pixelRatio);

// The build paints every picture at the common pixel ratios (loginart) and keeps it in the
// program's resources as raw pixels, QImage's rows in this format, which start-up shows without
// decoding.
QImage::Format keptFormat(Picture picture);
QString keptFile(Picture picture, int pixelRatio); // "background@1x.pixels"
}
