// loginart FOLDER RATIO: paints the start screen's pictures at a pixel ratio and writes them into
// FOLDER as raw pixels. The build runs it for each ratio the program keeps, and the program reads
// them from its resources, so that starting it neither paints nor opens the fonts they are drawn with.

#include "app/LoginArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 3 || std::atoi(argv[2]) < 1) {
        std::fputs("usage: loginart FOLDER RATIO\n", stderr);
        return 2;
    }
    const int ratio = std::atoi(argv[2]);
    // Painting needs fonts, not a display: the build may run where there is none. On a screen of
    // this ratio, as the program would paint them there (text is not hinted on a scaled screen).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ratio));
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "loginart: cannot make %s\n", argv[1]);
        return 1;
    }
    for (const LoginArt::Picture picture : LoginArt::kPictures) {
        const QImage image = LoginArt::paint(picture, ratio).toImage().convertToFormat(LoginArt::keptFormat(picture));
        QFile file(folder.filePath(LoginArt::keptFile(picture, ratio)));
        const QByteArrayView pixels(image.constBits(), image.sizeInBytes());
        if (!file.open(QIODevice::WriteOnly) || file.write(pixels.data(), pixels.size()) != pixels.size()) {
            std::fprintf(stderr, "loginart: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
