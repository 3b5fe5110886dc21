// The yardstick for the program's start-up: a Qt Widgets program that shows one window with a
// Chinese label and ends once the window is on screen. bench/start_vs_minimal.sh times both.

#include "bench/ExitAfterFirstExpose.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    exitAfterFirstExpose(app);
    QLabel label(QStringLiteral("智桥辅导学习系统-C语言"));
    label.show();
    return app.exec();
}
