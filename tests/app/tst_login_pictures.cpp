#include "app/LoginArt.h"
#include "app/LoginPictures.h"

#include <QResource>
#include <QtTest>

using LoginArt::Picture;

// The start screen shows the pictures the build kept in the resources: they must be what the
// painter draws, at the size and ratio the window places them with.
class TestLoginPictures : public QObject
{
    Q_OBJECT

    static void addPictures()
    {
        QTest::addColumn<Picture>("picture");
        QTest::newRow("background") << Picture::Background;
        QTest::newRow("study") << Picture::Study;
        QTest::newRow("algorithms") << Picture::Algorithms;
        QTest::newRow("practice") << Picture::Practice;
        QTest::newRow("exit") << Picture::Exit;
    }

private slots:
    void keptPicturesAreThePaintedOnes_data() { addPictures(); }
    void keptPicturesAreThePaintedOnes()
    {
        QFETCH(Picture, picture);
        // Else the pictures would be painted at start-up, and slowly.
        QVERIFY(QResource(QStringLiteral(":/loginart/") + LoginArt::keptFile(picture, 1)).isValid());
        QVERIFY(QResource(QStringLiteral(":/loginart/") + LoginArt::keptFile(picture, 2)).isValid());
        const QImage kept = LoginPictures::picture(picture, 1).toImage();
        const QImage painted = LoginArt::paint(picture, 1).toImage().convertToFormat(kept.format());
        QCOMPARE(kept.size(), LoginArt::size(picture));
        QVERIFY(kept == painted);
    }

    void eachRatioGetsItsOwnPixels_data()
    {
        QTest::addColumn<Picture>("picture");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("background, kept at 2") << Picture::Background << 2.0;
        QTest::newRow("background, painted at 1.5") << Picture::Background << 1.5;
        QTest::newRow("study, painted at 3") << Picture::Study << 3.0;
    }
    void eachRatioGetsItsOwnPixels()
    {
        QFETCH(Picture, picture);
        QFETCH(qreal, ratio);
        const QPixmap pixmap = LoginPictures::picture(picture, ratio);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), (QSizeF(LoginArt::size(picture)) * ratio).toSize());
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), LoginArt::size(picture));
        // Not blank: the background's banner is green at its top left, a button's face opaque in its middle.
        const QImage image = pixmap.toImage();
        if (picture == Picture::Background)
            QVERIFY(image.pixelColor(2, 2).green() > image.pixelColor(2, 2).red());
        else
            QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).alpha(), 255);
    }
};

QTEST_MAIN(TestLoginPictures)
#include "tst_login_pictures.moc"
