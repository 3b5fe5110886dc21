// The rich-text box the study windows show their texts in.

#include "platform/RichTextBox.h"
#include "rtf/RtfSamples.h"

#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// Numbered lines until the text holds at least `size` bytes: "第0行\n第1行\n...", or the same as
// RTF paragraphs.
QByteArray numberedLines(qsizetype size, bool rtf)
{
    QByteArray text = rtf ? kWordPadHeader + "\\f0 " : QByteArray();
    for (int i = 0; text.size() < size; ++i)
        text += rtf ? gbk(u"第%1行"_s.arg(i)) + "\\par\r\n" : u"第%1行\n"_s.arg(i).toUtf8();
    if (rtf)
        text += '}';
    return text;
}

// Lets the box read on, a turn of the event loop at a time, until it has read everything.
void readToEnd(const RichTextBox &box)
{
    for (int turns = 0; box.isReading() && turns < 1'000'000; ++turns)
        QCoreApplication::processEvents();
}

QString cutNotice(const char *fullSize) { return u"（本文共 %1 MB，太长，这里只显示开头的 2 MB。）"_s.arg(QLatin1String(fullSize)); }

} // namespace

class TestRichTextBox : public QObject {
    Q_OBJECT
private slots:
    void showsRtfAndPlainText();
    void showsALongTextAPartAtATime();
    void showsTheFirstPartOfATextAboveTheBound_data();
    void showsTheFirstPartOfATextAboveTheBound();
    void breaksParagraphsTooLongToLayOutAtOnce();
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

void TestRichTextBox::showsALongTextAPartAtATime()
{
    RichTextBox box;
    const QByteArray text = numberedLines(RichTextBox::kMaxTextBytes - 16, false);
    QVERIFY(text.size() <= RichTextBox::kMaxTextBytes);
    box.setTextRTF(text);
    QVERIFY(box.isReading());
    QVERIFY(box.toPlainText().startsWith(u"第0行\n第1行\n"_s)); // the first part is there at once
    QVERIFY(!box.toPlainText().contains(u"第100000行"_s));
    readToEnd(box);
    QVERIFY(!box.isReading());
    QCOMPARE(box.toPlainText(), QString::fromUtf8(text)); // a text within the bound is shown whole

    // A new text drops the one still being read.
    box.setTextRTF(text);
    box.setTextRTF(kWordPadHeader + "\\f0 " + gbk(u"第一章"_s) + "}");
    QVERIFY(!box.isReading());
    QCoreApplication::processEvents();
    QCOMPARE(box.toPlainText(), u"第一章"_s);
}

void TestRichTextBox::showsTheFirstPartOfATextAboveTheBound_data()
{
    QTest::addColumn<bool>("rtf");
    QTest::newRow("plain text") << false;
    QTest::newRow("rtf") << true;
}

void TestRichTextBox::showsTheFirstPartOfATextAboveTheBound()
{
    QFETCH(bool, rtf);
    RichTextBox box;
    const QByteArray text = numberedLines(RichTextBox::kMaxTextBytes * 5 / 2, rtf); // 5.0 MB
    box.setTextRTF(text);
    QCOMPARE(box.document()->firstBlock().text(), cutNotice("5.0"));
    readToEnd(box);
    QCOMPARE(box.document()->firstBlock().text(), cutNotice("5.0"));

    // Below the notice the text from its start, cut after the last whole line within the bound
    // (every line is shorter than 64 bytes).
    const QStringList lines = box.toPlainText().split(u'\n');
    QCOMPARE(lines.at(1), u"第0行"_s);
    QCOMPARE(lines.last(), QString());
    const QString last = lines.at(lines.size() - 2);
    QCOMPARE(last, u"第%1行"_s.arg(lines.size() - 3));
    const QByteArray lastLine = rtf ? gbk(last) + "\\par\r\n" : last.toUtf8() + '\n';
    const qsizetype shownBytes = text.indexOf(lastLine) + lastLine.size();
    QVERIFY(shownBytes <= RichTextBox::kMaxTextBytes);
    QVERIFY(shownBytes > RichTextBox::kMaxTextBytes - 64);
}

void TestRichTextBox::breaksParagraphsTooLongToLayOutAtOnce()
{
    // One paragraph of 100,000 characters, each but the first a surrogate pair, so that a break
    // at a fixed count of UTF-16 units would fall between the halves of a pair.
    QString paragraph = u"a"_s;
    while (paragraph.size() < 100'000)
        paragraph += u"😀"_s;
    RichTextBox box;
    box.setTextRTF(paragraph.toUtf8());
    readToEnd(box);
    QString joined;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        QVERIFY(block.length() - 1 <= RichTextBox::kMaxParagraphLength);
        QVERIFY(!block.text().front().isLowSurrogate());
        joined += block.text();
    }
    QVERIFY(box.document()->blockCount() > 100'000 / RichTextBox::kMaxParagraphLength);
    QCOMPARE(joined, paragraph);
}

QTEST_MAIN(TestRichTextBox)
#include "tst_rich_text_box.moc"
