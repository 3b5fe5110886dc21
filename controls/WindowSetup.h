#pragma once

#include <QSize>
#include <QString>

class QFont;
class QWidget;

// What every window does first.
namespace WindowSetup {
// Names the window, gives it its caption, its font (for controls without one of their own) and
// its fixed client size, and places it in the middle of the screen.
void setUp(QWidget *window, const QString &name, const QString &caption, const QFont &font, QSize size);
// The screen's pixel ratio, at which a window's painted art stays crisp on HiDPI screens.
qreal pixelRatio();
}
