#pragma once

#include <QPixmap>

// The background of the test set window, painted at the screen's pixel ratio: a deep green field
// with the activity's name, dark enough for the white "选择题组" label, and a lighter framed band
// around the controls it is given (their united rectangle, grouped).
namespace TestSetArt {
QPixmap background(QSize size, QRect grouped, qreal pixelRatio);
}
