#pragma once

#include <QPixmap>

// The start screen's pictures, painted at the screen's pixel ratio so they stay crisp on HiDPI.
namespace LoginArt {
enum class Button { Study, Algorithms, Practice, Exit };

QPixmap background(qreal pixelRatio);      // 699 x 449: green banner with the system's name, white below
QPixmap button(Button which, qreal pixelRatio); // 150 x 54 (the exit button 150 x 53): icon and label
}
