// The launcher and the icons the desktop shows for the running program: a dock groups the
// program's windows with their launcher, the menu lists it once, and the small icons are sharp.

#include "app/Startup.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

// The launcher's "Key=value" entries.
QHash<QString, QString> entries(const QString &file)
{
    QHash<QString, QString> values;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0)
            values.insert(line.left(equals), line.mid(equals + 1));
    }
    return values;
}

const QString kDesktopFile = QStringLiteral(ZQ_DIST_DIR "/" ZQ_APP_ID ".desktop");

}

class TestLauncher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Startup::prepare(*qApp); }

    // X11 docks match a window's class (the application name) with StartupWMClass, Wayland ones
    // its app id (the desktop file name) with the launcher's file name.
    void theWindowsNameTheirLauncher()
    {
        const auto launcher = entries(kDesktopFile);
        QCOMPARE(launcher.value(QStringLiteral("StartupWMClass")), QCoreApplication::applicationName());
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(ZQ_APP_ID));
        // A class is Latin-1 text (ICCCM): no Chinese in it.
        for (QChar c : QCoreApplication::applicationName())
            QVERIFY(c.unicode() < 0x80);
    }

    void theMenuListsItUnderOneMainCategory()
    {
        static const QSet<QString> main = {"AudioVideo", "Audio", "Video", "Development", "Education", "Game", "Graphics",
                                           "Network", "Office", "Science", "Settings", "System", "Utility"};
        const QStringList categories = entries(kDesktopFile).value(QStringLiteral("Categories")).split(u';', Qt::SkipEmptyParts);
        QStringList mains;
        for (const QString &category : categories)
            if (main.contains(category))
                mains << category;
        QCOMPARE(mains, QStringList{"Education"});
    }

    // Drawn for its size in a few flat colours: a scaled-down drawing blends its edges into
    // dozens of shades.
    void theSmallIconsAreDrawnForTheirSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("24") << 24;
    }

    void theSmallIconsAreDrawnForTheirSize()
    {
        QFETCH(int, size);
        const QImage icon(QStringLiteral(ZQ_DIST_DIR "/icons/hicolor/%1x%1/apps/" ZQ_APP_ID ".png").arg(size));
        QCOMPARE(icon.size(), QSize(size, size));
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                colours.insert(icon.pixel(x, y));
        QVERIFY2(colours.size() <= 6, qPrintable(QString::number(colours.size())));
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0); // a rounded tile
    }
};

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
