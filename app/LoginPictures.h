#pragma once

#include "app/LoginArt.h"

// The start screen's pictures at the screen's pixel ratio: taken from the program's resources at
// the ratios the build painted them at, painted afresh at any other.
namespace LoginPictures {
QPixmap picture(LoginArt::Picture picture, qreal pixelRatio);
}
