// The RTF reader on documents shaped like the ones Word, WordPad (Chinese
// edition) and our bank tool write, plus damaged input, and the work a long
// table costs.

#include "rtf/RtfReader.h"
#include "rtf/RtfSamples.h"

#include <QElapsedTimer>
#include <QImage>
#include <QStringEncoder>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

#include <algorithm>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

struct Doc {
    QTextDocument doc;
    explicit Doc(const QByteArray &rtf) { RtfReader::load(rtf, &doc); }
    QString text() const { return doc.toPlainText(); }

    QTextCharFormat fmt(const QString &needle) const { return runWith(doc, needle).charFormat(); }
    QTextBlock block(const QString &needle) const { return doc.find(needle).block(); }
    QList<QTextImageFormat> images() const
    {
        QList<QTextImageFormat> out;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat())
                    for (int i = 0; i < it.fragment().length(); ++i)
                        out << it.fragment().charFormat().toImageFormat();
        return out;
    }
    QList<QSizeF> imageSizes() const
    {
        QList<QSizeF> out;
        for (const QTextImageFormat &f : images())
            out << QSizeF(f.width(), f.height());
        return out;
    }
    QImage shown(const QTextImageFormat &image) const
    {
        return doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
    }
};

// rows rows of three cells, each row with its own definition, as Word writes them
QByteArray table(int rows)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0 ";
    for (int r = 0; r < rows; ++r)
        rtf += "\\trowd\\clbrdrt\\brdrs\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl "
            + QByteArray::number(r) + "\\cell b\\cell c\\cell\\row\n";
    return rtf + "\\pard end\\par}";
}

// The CPU time the process spends reading, the best of three reads, so that a
// busy machine slows every size alike.
double cpuSecondsToRead(const QByteArray &rtf, int *rowsRead)
{
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        QTextDocument doc;
        const std::clock_t start = std::clock();
        RtfReader::readRtf(rtf, &doc);
        best = std::min(best, double(std::clock() - start) / CLOCKS_PER_SEC);
        const QList<QTextTable *> read = tablesOf(doc);
        *rowsRead = read.isEmpty() ? 0 : read.first()->rows();
    }
    return best;
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void plainTextAndDetection();
    void wordPadChineseRuns();
    void wordChineseDocument();
    void gbkPairSplitAcrossEscape();
    void paragraphFormat();
    void unicodeEscapesAndFallbacks();
    void destinationsSkippedAndKept();
    void tables();
    void tableEdgeCases();
    void fourTimesTheRowsCostAboutFourTimesTheWork();
    void pictures();
    void malformedInputStillReads();
    void hostileInputStaysBounded();
    void readingAPartAtATimeGivesTheSameDocument();
};

void TestRtfReader::plainTextAndDetection()
{
    QVERIFY(RtfReader::looksLikeRtf(" \r\n\t{\\rtf1 x}"));
    QVERIFY(!RtfReader::looksLikeRtf("{\\rt"));
    QVERIFY(!RtfReader::looksLikeRtf("x{\\rtf1}"));
    QVERIFY(!RtfReader::looksLikeRtf(""));

    // UTF-8 as stored by the bank; braces and backslashes shown as they are
    QCOMPARE(Doc(u"第一章 {C语言} \\n 概述\n第二行"_s.toUtf8()).text(), u"第一章 {C语言} \\n 概述\n第二行"_s);
    // legacy GBK bytes that are not UTF-8
    QCOMPARE(Doc(QStringEncoder("GBK").encode(u"指针与数组"_s)).text(), u"指针与数组"_s);
    QCOMPARE(Doc("line 1\r\nline 2").text(), u"line 1\nline 2"_s);
    // BOM-prefixed RTF is RTF
    QCOMPARE(Doc("\xEF\xBB\xBF  {\\rtf1 Hello}").text(), u"Hello"_s);
}

void TestRtfReader::wordPadChineseRuns()
{
    const QByteArray rtf = kWordPadHeader
        + "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang2052 " + gbk(u"变量"_s)
        + "\\b " + gbk(u"加粗"_s) + "\\b0\\i " + gbk(u"斜体"_s) + "\\i0 "
        + "\\ul " + gbk(u"下划线"_s) + "\\ulnone\\strike " + gbk(u"删除"_s) + "\\strike0 "
        + "x\\super 2\\nosupersub  H\\sub 2\\nosupersub O\\par\r\n"
        + "\\cf1 " + gbk(u"红色"_s) + "\\cf0 \\highlight3 " + gbk(u"高亮"_s)
        + "\\highlight0 \\f1\\fs32 Big\\f0\\fs22\\par\r\n}\r\n";
    Doc d(rtf);
    QCOMPARE(d.text(), u"变量加粗斜体下划线删除x2 H2O\n红色高亮Big\n"_s);

    QCOMPARE(d.fmt(u"加粗"_s).fontWeight(), int(QFont::Bold));
    QVERIFY(d.fmt(u"斜体"_s).fontItalic());
    QCOMPARE(d.fmt(u"斜体"_s).fontWeight(), int(QFont::Normal));
    QVERIFY(d.fmt(u"下划线"_s).fontUnderline());
    QVERIFY(!d.fmt(u"删除"_s).fontUnderline());
    QVERIFY(d.fmt(u"删除"_s).fontStrikeOut());
    QCOMPARE(d.fmt(u"2 H"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(d.fmt(u"2O"_s).verticalAlignment(), QTextCharFormat::AlignSubScript);

    QCOMPARE(d.fmt(u"红色"_s).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(d.fmt(u"高亮"_s).foreground().style(), Qt::NoBrush); // \cf0 is automatic
    QCOMPARE(d.fmt(u"高亮"_s).background().color(), QColor(255, 255, 0));
    QCOMPARE(d.fmt(u"Big"_s).fontFamilies().toStringList(), QStringList{u"Calibri"_s});
    QCOMPARE(d.fmt(u"Big"_s).fontPointSize(), 16.0);
    QCOMPARE(d.fmt(u"Big"_s).background().style(), Qt::NoBrush);

    const QTextBlockFormat b = d.block(u"变量"_s).blockFormat();
    QCOMPARE(b.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(b.lineHeight(), 115.0);
}

void TestRtfReader::wordChineseDocument()
{
    // Trimmed from the shape of Word's output: skipped header parts,
    // associated fonts, \cb/\chcbpat shading, \plain resets, groups.
    const QByteArray rtf =
        "{\\rtf1\\adeflang1025\\ansi\\ansicpg936\\uc2\\adeff0\\deff0\\stshfdbch13"
        "\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2"
        "{\\*\\panose 02020603050405020304}Times New Roman;}{\\f13\\fbidi \\fnil\\fcharset134"
        "\\fprq2{\\*\\panose 02010600030101010101}" + gbk(u"宋体"_s) + "{\\*\\falt SimSun};}"
        "{\\f36\\fbidi \\fmodern\\fcharset134\\fprq1 " + gbk(u"黑体"_s) + ";}}"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red200\\green200\\blue255;}"
        "{\\*\\defchp \\fs21\\kerning2\\loch\\af0\\hich\\af0\\dbch\\af13 }"
        "{\\stylesheet{\\qj \\li0\\ri0\\nowidctlpar\\fs21 \\snext0 Normal;}}"
        "\\pard\\plain \\ltrpar\\qc \\li0\\ri0\\nowidctlpar\\wrapdefault\\aspalpha\\faauto"
        "\\rin0\\lin0\\itap0 \\rtlch\\fcs1 \\af0\\afs21\\alang1025 \\ltrch\\fcs0 "
        "\\fs21\\lang1033\\langfe2052\\kerning2\\loch\\af0\\hich\\af0\\dbch\\af13\\cgrid"
        "\\langnp1033\\langfenp2052 {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\b\\f36\\fs32"
        "\\insrsid5514131 \\hich\\af36\\dbch\\af36\\loch\\f36 " + gbk(u"第三章　函数"_s) + "}"
        "{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid5514131 \\par }"
        "\\pard \\ltrpar\\qj \\fi420\\li0\\ri0\\nowidctlpar\\itap0 {\\rtlch\\fcs1 \\af0 "
        "\\ltrch\\fcs0 \\f13\\cf2\\insrsid5514131 \\hich\\af13\\dbch\\af13\\loch\\f13 "
        + gbk(u"函数是"_s) + "}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid5514131 "
        "\\hich\\af0\\dbch\\af13\\loch\\f0 C}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 "
        "\\f13\\cb3\\insrsid5514131 \\hich\\af13\\dbch\\af13\\loch\\f13 "
        + gbk(u"程序的"_s) + "}{\\f13\\chcbpat2\\cb3 " + gbk(u"基本"_s) + "}"
        "{\\plain " + gbk(u"单位"_s) + "}{\\f13\\lquote\\'a1\\'a3\\rquote}\\par }";
    Doc d(rtf);
    QCOMPARE(d.text(), u"第三章\u3000函数\n函数是C程序的基本单位\u2018。\u2019\n"_s);

    QCOMPARE(d.fmt(u"第三章"_s).fontFamilies().toStringList(), QStringList{u"黑体"_s});
    QCOMPARE(d.fmt(u"函数是"_s).fontFamilies().toStringList(), QStringList{u"宋体"_s});
    QCOMPARE(d.fmt(u"C程"_s).fontFamilies().toStringList(), QStringList{u"Times New Roman"_s});
    QCOMPARE(d.fmt(u"程序的"_s).background().color(), QColor(200, 200, 255));
    QCOMPARE(d.fmt(u"基本"_s).background().color(), QColor(0, 128, 0)); // chcbpat over cb
    QCOMPARE(d.fmt(u"单位"_s).fontPointSize(), 12.0); // \plain: 12 pt default font
    QCOMPARE(d.fmt(u"单位"_s).fontFamilies().toStringList(), QStringList{u"Times New Roman"_s});
}

void TestRtfReader::gbkPairSplitAcrossEscape()
{
    // GBK trail bytes can be printable ASCII: Word writes the lead byte as an
    // escape and the trail byte literally (0x81 0x40 is U+4E02, 0xB0 0x5C
    // needs an escaped backslash, 0x95 0x7B an escaped brace).
    const QByteArray rtf = kWordPadHeader
        + "\\f0 \\'81@\\'b0\\\\\\'95\\{a\\'b0\\'a1b\\'d6\r\n\\'d0\\par}";
    const QString expected = QStringDecoder("GBK").decode(QByteArray("\x81@\xb0\\\x95{a\xb0\xa1" "b\xd6\xd0"));
    QCOMPARE(Doc(rtf).text(), expected + u"\n"_s);
    // the decoder keeps a lead byte across a group or format change
    QCOMPARE(Doc(kWordPadHeader + "\\f0 \\'b0{\\b \\'a1}}").text(), u"啊"_s);
    // \fcharset decides: Big5 and Shift_JIS fonts in one document
    const QByteArray mixed =
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset136 MingLiU;}{\\f1\\fcharset128 "
        "MS Mincho;}{\\f2\\fcharset0 Arial;}{\\f3\\fcharset134 SimSun;}}\\f0 \\'a4\\'a4"
        "\\f1 \\'82\\'a0\\f2 \\'e9\\f3 \\'d6\\'d0}";
    QCOMPARE(Doc(mixed).text(), u"中あ\u00e9中"_s);
    // no charset to go by: the document's code page, also for ANSI-marked
    // fonts in a Chinese document
    const QByteArray cpg =
        "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset0 Times;}}\\f0 \\'d6\\'d0\\f9 \\'ce\\'c4}";
    QCOMPARE(Doc(cpg).text(), u"中文"_s);
}

void TestRtfReader::paragraphFormat()
{
    const QByteArray rtf = kWordPadHeader
        + "\\pard\\qr\\li720\\ri360\\fi-360\\sb120\\sa240 R1\\par "
          "\\ql L\\line M\\tab N\\par "
          "\\pard\\qc\\sl-400 C\\par "
          "\\pard\\sl360 A\\par "
          "{\\pard\\qj J\\par}\\pard\\li-500\\fi-200 Neg\\par "
          "\\pard\\cbpat3 P1\\page P2\\par}";
    Doc d(rtf);
    QCOMPARE(d.text(), u"R1\nL\nM\tN\nC\nA\nJ\nNeg\nP1\nP2\n"_s);
    QCOMPARE(d.block(u"M"_s).text(), u"L\u2028M\tN"_s); // \line breaks inside the paragraph
    const QTextBlockFormat r = d.block(u"R1"_s).blockFormat();
    QCOMPARE(r.alignment(), Qt::AlignRight);
    QCOMPARE((QList<double>{r.leftMargin(), r.rightMargin(), r.textIndent(), r.topMargin(), r.bottomMargin()}),
             (QList<double>{48, 24, -24, 8, 16}));
    // alignment set mid-paragraph governs the whole paragraph
    QCOMPARE(d.block(u"L"_s).blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(d.block(u"L"_s).blockFormat().leftMargin(), 48.0); // no \pard: kept
    const QTextBlockFormat c = d.block(u"C"_s).blockFormat();
    QCOMPARE(c.alignment(), Qt::AlignHCenter);
    QCOMPARE(c.leftMargin(), 0.0);
    QCOMPARE(c.lineHeightType(), int(QTextBlockFormat::FixedHeight));
    QCOMPARE(c.lineHeight(), 400 / 15.0);
    QCOMPARE(d.block(u"A"_s).blockFormat().lineHeightType(),
             int(QTextBlockFormat::MinimumHeight));
    QCOMPARE(d.block(u"J"_s).blockFormat().alignment(), Qt::AlignJustify);
    const QTextBlockFormat neg = d.block(u"Neg"_s).blockFormat();
    QCOMPARE(neg.leftMargin(), 0.0); // never left of the page
    QCOMPARE(neg.textIndent(), 0.0);
    QCOMPARE(d.block(u"P2"_s).blockFormat().background().color(), QColor(255, 255, 0));
}

void TestRtfReader::unicodeEscapesAndFallbacks()
{
    // Word: \uc2 with the GBK bytes as fallback; \uc is restored by groups;
    // negative values; surrogate pairs; \uc0 has no fallback
    const QByteArray word = kWordPadHeader
        + "\\f0 {\\uc2\\u20013\\'d6\\'d0\\u25991\\'ce\\'c4}\\u27979?"
          "\\u-10179?\\u-8704?\\uc0\\u8364 x\\uc1\\u-3?z\\par}";
    QCOMPARE(Doc(word).text(), u"中文测\U0001F600\u20acx\ufffdz\n"_s);

    // a fallback never spills over a group end; a lone surrogate is replaced
    const QByteArray edge = "{\\rtf1\\uc3{\\u20013 a}bc\\u-10179 qrst\\u65 xy}";
    QCOMPARE(Doc(edge).text(), u"中bc\ufffdtA"_s);
    QCOMPARE(Doc("{\\rtf1 a\\u-10179?}").text(), u"a\ufffd"_s);
}

void TestRtfReader::destinationsSkippedAndKept()
{
    const QByteArray rtf = kWordPadHeader
        + "\\f0 {\\field{\\*\\fldinst { HYPERLINK \"http://x\" }}{\\fldrslt {\\ul "
        + gbk(u"链接"_s) + "}}}"
          "{\\*\\bkmkstart b1}{\\*\\unknowndest secret}{\\footnote note}"
          "{\\footer foot}{\\*\\listtable{\\list x}}{\\pn\\pnlvlblt{\\pntxtb \\'b7}}"
          "{\\pntext " + gbk(u"○"_s) + "\\tab}{\\listtext 1.\\tab}Item"
          "{\\v hidden}{\\xe index}{\\uldb\\ulnone}{\\nonshppict x}{\\*\\datastore 0105}\\par}";
    Doc d(rtf);
    QCOMPARE(d.text(), u"链接○\t1.\tItem\n"_s);
    QVERIFY(d.fmt(u"链接"_s).fontUnderline());
    // \upr: the Unicode half is read, the ANSI half not
    const QByteArray upr = kWordPadHeader
        + "\\f0 A{\\upr{\\f0 " + gbk(u"旧"_s) + "\\par}{\\*\\ud{\\f0 \\u26032?}}}B\\par}";
    QCOMPARE(Doc(upr).text(), u"A新B\n"_s);
}

void TestRtfReader::tables()
{
    // Word's layout: row properties first, \intbl paragraphs ended by \cell,
    // the row properties again right before \row.
    QByteArray row1 = "\\trowd\\trgaph108\\trleft-108\\trbrdrt\\brdrs\\brdrw10 "
                      "\\clcbpat3\\clbrdrt\\brdrs\\cellx2000\\clbrdrt\\brdrs\\cellx5000 ";
    const QByteArray rtf = kWordPadHeader + "\\f0 " + gbk(u"前言"_s) + "\\par "
        + row1 + "\\pard\\intbl " + gbk(u"名称"_s) + "\\cell \\b " + gbk(u"说明"_s)
        + "\\b0\\cell \\row " + row1 + "\\pard\\intbl\\qc int\\cell " + gbk(u"整型"_s)
        + "\\par " + gbk(u"第二段"_s) + "\\cell {" + row1 + "\\row}\\pard "
        + gbk(u"后记"_s) + "\\par}";
    Doc d(rtf);
    QCOMPARE(tablesOf(d.doc).size(), 1);
    QTextTable *t = tablesOf(d.doc).first();
    QCOMPARE(t->columns(), 2);
    QCOMPARE(cellTexts(t), (QStringList{u"名称"_s, u"说明"_s, u"int"_s, u"整型\u2029第二段"_s}));
    QCOMPARE(d.fmt(u"说明"_s).fontWeight(), int(QFont::Bold));
    // \clcbpat shades its own cell only, in every row it defines
    QCOMPARE(t->cellAt(0, 0).format().background().color(), QColor(255, 255, 0));
    QCOMPARE(t->cellAt(1, 0).format().background().color(), QColor(255, 255, 0));
    QCOMPARE(t->cellAt(0, 1).format().background().style(), Qt::NoBrush);
    QCOMPARE(d.block(u"int"_s).blockFormat().alignment(), Qt::AlignHCenter);
    const QTextTableFormat tf = t->format();
    QCOMPARE(tf.border(), 1.0);
    QCOMPARE(tf.columnWidthConstraints().value(1).rawValue(), 3000 / 15.0);
}

void TestRtfReader::tableEdgeCases()
{
    // WordPad: no borders, a table first in the document, a row with more
    // cells than \cellx, and two tables apart
    const QByteArray rtf = kWordPadHeader
        + "\\trowd\\cellx1000\\pard\\intbl a\\cell b\\cell c\\cell\\row"
          "\\pard mid\\par\\trowd\\cellx1000\\cellx2000\\intbl x\\cell\\cell\\row"
          "\\intbl\\cell y\\cell\\row\\pard end}";
    Doc d(rtf);
    const auto ts = tablesOf(d.doc);
    QCOMPARE(ts.size(), 2);
    QCOMPARE(cellTexts(ts[0]), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    QCOMPARE(ts[0]->format().border(), 0.0);
    QCOMPARE(ts[1]->rows(), 2);
    QCOMPARE(cellTexts(ts[1]), (QStringList{u"x"_s, QString(), QString(), u"y"_s}));
    QVERIFY(!d.doc.find(u"mid"_s).currentTable());
    QVERIFY(!d.doc.find(u"end"_s).currentTable());

    // nested tables lose their grid but not their text
    const QByteArray nested = kWordPadHeader
        + "\\trowd\\cellx3000\\pard\\intbl outer\\par"
          "\\pard\\intbl\\itap2 in1\\nestcell in2\\nestcell{\\*\\nesttableprops\\trowd"
          "\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
          "\\pard\\intbl after\\cell\\row\\pard z}";
    Doc n(nested);
    QCOMPARE(tablesOf(n.doc).size(), 1);
    QCOMPARE(cellTexts(tablesOf(n.doc).first()), QStringList{u"outer\u2029in1\tin2\tafter"_s}); // inner cells apart by tabs
}

// Reading a table costs work in proportion to its rows. A reader that grows
// or trims a table one row at a time costs work in proportion to the square
// of its rows: four times the rows then cost ten to sixteen times the work,
// where a linear reader costs about four times. Only the ratio is checked.
void TestRtfReader::fourTimesTheRowsCostAboutFourTimesTheWork()
{
    int rows5k = 0, rows20k = 0;
    const double small = cpuSecondsToRead(table(5000), &rows5k);
    const double large = cpuSecondsToRead(table(20000), &rows20k);
    QCOMPARE(rows5k, 5000);
    QCOMPARE(rows20k, 20000);
    const double ratio = large / std::max(small, 1e-3);
    QVERIFY2(ratio < 7, qPrintable(QStringLiteral("5,000 rows: %1 s, 20,000 rows: %2 s, ratio %3")
                                       .arg(small).arg(large).arg(ratio)));
}

void TestRtfReader::pictures()
{
    const QByteArray hex = pngHex({40, 20}, Qt::red);
    // the \shppict copy is shown, the \nonshppict one is not
    const QByteArray rtf = kWordPadHeader + "A{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn fillColor}"
        "{\\sv 123}}}\\picscalex50\\picscaley100\\piccropl0\\picw40\\pich20\\picwgoal1200"
        "\\pichgoal600\\pngblip{\\*\\blipuid 0123456789abcdef}\r\n" + hex
        + "}}{\\nonshppict{\\pict\\wmetafile8\\picw100\\pich100 0102}}B\\par}";
    Doc d(rtf);
    QCOMPARE(d.text(), u"A\ufffcB\n"_s);
    QCOMPARE(d.imageSizes(), (QList<QSizeF>{{40, 40}})); // 1200 twips at 50 %, 600 at 100 %
    QCOMPARE(d.shown(d.images().value(0)).size(), QSize(40, 20));

    // binary data, no goal size: the picture's own size
    QByteArray png = QByteArray::fromHex(pngHex({7, 9}, Qt::blue));
    const QByteArray bin = kWordPadHeader + "{\\pict\\pngblip\\bin"
        + QByteArray::number(png.size()) + " " + png + "}}";
    QCOMPARE(Doc(bin).imageSizes(), (QList<QSizeF>{{7, 9}}));

    // JPEG in hex, upper case, broken across lines
    QByteArray jhex = pngHex({16, 8}, Qt::green, "JPEG").toUpper();
    for (qsizetype i = 64; i < jhex.size(); i += 65)
        jhex.insert(i, '\n');
    Doc j(kWordPadHeader + "{\\pict\\jpegblip\\picwgoal480\\pichgoal240\n" + jhex + "}}");
    QCOMPARE(j.shown(j.images().value(0)).size(), QSize(16, 8));

    // metafiles and broken PNGs: a sized placeholder, never hex as text
    const QByteArray other = kWordPadHeader
        + "{\\pict\\emfblip\\picwgoal1500\\pichgoal750 0100000000ffff}"
          "{\\pict\\pngblip\\picwgoal300\\pichgoal300 89504e47deadbeef}"
          "{\\pict\\wmetafile8\\picw2540\\pich5080 0100}x}";
    Doc o(other);
    QCOMPARE(o.text(), u"\ufffc\ufffc\ufffcx"_s);
    // 2540 hundredths of a millimetre: one inch
    QCOMPARE(o.imageSizes(), (QList<QSizeF>{{100, 50}, {20, 20}, {96, 192}}));
    QVERIFY(!o.shown(o.images().value(0)).isNull());
}

void TestRtfReader::malformedInputStillReads()
{
    const QByteArray head = kWordPadHeader + "\\f0 ";
    // missing closing braces
    QCOMPARE(Doc(head + "{\\b " + gbk(u"未闭合"_s) + "\\par{{").text(), u"未闭合\n"_s);
    // text after the document's end is not part of it
    QCOMPARE(Doc("{\\rtf1 in}out").text(), u"in"_s);
    // truncated escapes and words at the very end
    for (const char *end : {"\\'d", "\\'", "\\", "\\u"})
        QCOMPARE(Doc(head + "ok" + end).text(), u"ok"_s);
    QCOMPARE(Doc(head + "ok\\'zz").text(), u"okzz"_s);
    // control characters never become breaks or frame markers
    QCOMPARE(Doc(head + "\\uc0 a\\'0d\\'0ab\\u13 c\\u-560 d\\u8233 e\\'09f}").text(), u"abcde\tf"_s);
    // a lead byte with no trail byte does not eat the next character
    QVERIFY(Doc(head + "\\'d6\\par x}").text().endsWith(u"\nx"_s));
    // absurd parameters are clamped
    const QByteArray absurd = head
        + "\\fs99999999999999999999 a\\fs-5 b\\li2147483647\\fi-2147483648\\sl-2147483648"
          "\\sb99999999 c\\cf99999\\highlight-4\\uc99999999 d\\f-2147483648 e\\par}";
    Doc a(absurd);
    QCOMPARE(a.text(), u"abcde\n"_s);
    QCOMPARE(a.fmt(u"a"_s).fontPointSize(), 1638.0);
    QCOMPARE(a.fmt(u"b"_s).fontPointSize(), 12.0);
    QCOMPARE(a.block(u"c"_s).blockFormat().leftMargin(), 3000.0);
    // \bin longer than the rest of the input
    QCOMPARE(Doc(head + "x{\\bin999999999 abc}").text(), u"x"_s);
    QCOMPARE(Doc(head + "x\\bin-5 y}").text(), u"xy"_s);
}

void TestRtfReader::hostileInputStaysBounded()
{
    QElapsedTimer timer;
    timer.start();
    // deep nesting: text inside still shows
    const int depth = 200000;
    QByteArray deep = "{\\rtf1 " + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}')
        + "after}";
    Doc d(deep);
    QCOMPARE(d.text(), u"deepafter"_s);
    QCOMPARE(d.fmt(u"after"_s).fontWeight(), int(QFont::Normal));
    // many tiny rows with many columns: cells are capped, text survives
    QByteArray wide = "{\\rtf1\\trowd";
    for (int i = 1; i <= 200; ++i)
        wide += "\\cellx" + QByteArray::number(i * 10);
    for (int i = 0; i < 20000; ++i)
        wide += "\\intbl\\cell\\row";
    wide += "\\pard tail}";
    Doc w(wide);
    QVERIFY(w.text().endsWith(u"tail"_s));
    int cells = 0;
    for (QTextTable *t : tablesOf(w.doc))
        cells += t->rows() * t->columns();
    QVERIFY2(cells <= wide.size() / 4, qPrintable(QString::number(cells)));
    // many pictures share one placeholder
    QByteArray pics = "{\\rtf1 ";
    for (int i = 0; i < 5000; ++i)
        pics += "{\\pict\\wmetafile8\\picwgoal99999999\\pichgoal99999999 01}";
    pics += "}";
    Doc p(pics);
    QCOMPARE(p.imageSizes(), QList<QSizeF>(5000, {4000, 4000}));
    QVERIFY2(timer.elapsed() < 20000, "hostile input took too long");
}

void TestRtfReader::readingAPartAtATimeGivesTheSameDocument()
{
    // Parts as small as one token end between the halves of a GBK pair, of a \uN surrogate pair
    // and of a \uc fallback, inside a table row and a picture.
    const QByteArray rtf = kWordPadHeader + "\\f0 \\'b0{\\b \\'a1} " + gbk(u"第一段"_s)
        + " \\u-10179?\\u-8704?{\\uc2\\u20013\\'d6\\'d0}\\par\\qc\\cf1 "
        + QByteArray(9000, 'x') + "\\par\\trowd\\cellx2000\\cellx4000\\pard\\intbl a\\cell "
        + gbk(u"整型"_s) + "\\cell\\row\\pard{\\pict\\pngblip\\picwgoal600\\pichgoal600 "
        + pngHex({4, 4}, Qt::blue) + "}" + gbk(u"后记"_s) + "\\par}";
    const QByteArray plain = u"一\r\n二😀三"_s.toUtf8() + QByteArray(9000, 'y');
    for (const QByteArray &text : {rtf, plain}) {
        QTextDocument whole, inParts;
        RtfReader::load(text, &whole);
        RtfReader::Reading reading(text, &inParts);
        int parts = 1;
        while (!reading.readMore(1))
            ++parts;
        QVERIFY(parts > 20);
        QCOMPARE(inParts.toHtml(), whole.toHtml());
    }
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
