#include "controls/WindowSetup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void WindowSetup::setUp(QWidget *window, const QString &name, const QString &caption, const QFont &font, QSize size)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setFont(font);
    window->setFixedSize(size);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

qreal WindowSetup::pixelRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}
