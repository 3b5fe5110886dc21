// The rich-text box the study windows show their texts in.

#include "platform/RichTextBox.h"
#include "rtf/RtfSamples.h"

#include <QPointer>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestRichTextBox : public QObject {
    Q_OBJECT
private slots:
    void showsRtfAndPlainText();
};

void TestRichTextBox::showsRtfAndPlainText()
{
    RichTextBox box;
    QVERIFY(box.isReadOnly());
    box.setTextRTF(kWordPadHeader + "\\f0 " + gbk(u"第一章"_s) + "\\par}");
    QCOMPARE(box.toPlainText(), u"第一章\n"_s);
    box.setTextRTF(u"纯文本 {\\b x}"_s.toUtf8());
    QCOMPARE(box.toPlainText(), u"纯文本 {\\b x}"_s);
    const QPointer<QTextDocument> old = box.document();
    box.setTextRTF(QByteArray());
    QCOMPARE(box.toPlainText(), QString());
    QVERIFY(old.isNull()); // replaced documents do not pile up
    QVERIFY(box.isReadOnly());

    // a table and pictures lay out and paint
    box.resize(400, 300);
    box.setTextRTF(kWordPadHeader + "\\f0\\cf1 " + gbk(u"红字"_s)
                   + "\\par\\trowd\\clbrdrt\\brdrs\\cellx2000\\cellx4000\\intbl a\\cell b\\cell\\row"
                     "\\pard{\\pict\\pngblip\\picwgoal600\\pichgoal600 "
                   + pngHex({4, 4}, Qt::blue) + "}{\\pict\\wmetafile8\\picwgoal900\\pichgoal900 01}}");
    const QImage shot = box.grab().toImage();
    QVERIFY(!shot.isNull());
    bool red = false, blue = false;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            red = red || (c.red() > 200 && c.green() < 60 && c.blue() < 60);
            blue = blue || c == QColor(Qt::blue);
        }
    QVERIFY(red);
    QVERIFY(blue);
}

QTEST_MAIN(TestRichTextBox)
#include "tst_rich_text_box.moc"
