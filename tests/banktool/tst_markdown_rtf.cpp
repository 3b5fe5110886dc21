// Study texts go from Markdown to RTF in the bank tool and back to a document in the windows:
// the text and its formats must survive the trip, and another RTF reader must see the same text.

#include "banktool/BankSource.h"
#include "banktool/BankWriter.h"
#include "banktool/MarkdownRtf.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfSamples.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace {

const QString kSample = uR"(## 第一节 数组

数组是**一组类型相同**的数据，*下标*从 0 开始，例如 `a[0]` 是第一个元素。
这一行是同一段落的续行。

```c
#include <stdio.h>
int main(void)
{
    int a[3] = {1, 2, 3};
    printf("%d\n", a[0]);   /* 输出 1 */
}
```

- 第一项：定义
- 第二项：**初始化**
  - 嵌套项

1. 第一步
2. 第二步

| 函数 | 作用 |
|---|---|
| strlen(s) | 求长度 |
| strcmp(a, b) | 比较 |

最后一段：腾讯 {花括号} 与 \\ 反斜杠。
)"_s;

// Empty when both texts agree, else where they part. Their layout is left aside (line breaks, cell
// boundaries and runs of spaces): unrtf's text output separates table cells and paragraphs only
// after plain ASCII text, so the spacing of the two readers differs where the text itself does not.
QString textDifference(const QString &theirs, const QString &ours)
{
    const auto withoutSpace = [](QString t) {
        return t.replace(QChar::Nbsp, u' ').remove(QRegularExpression(u"\\s+"_s));
    };
    const QString x = withoutSpace(theirs), y = withoutSpace(ours);
    const qsizetype i = std::mismatch(x.begin(), x.end(), y.begin(), y.end()).first - x.begin();
    if (i == x.size() && x.size() == y.size())
        return {};
    const qsizetype from = std::max<qsizetype>(0, i - 15);
    return u"character %1: unrtf has \"%2\", our reader \"%3\""_s.arg(i).arg(x.mid(from, 40), y.mid(from, 40));
}

// Empty when the RTF is one document of plain ASCII, its groups balanced (every brace of the
// text itself escaped), else what is wrong with it.
QString malformation(const QByteArray &rtf)
{
    if (!rtf.startsWith("{\\rtf1"))
        return u"does not open with {\\rtf1"_s;
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (uchar(rtf[i]) >= 0x80 || (uchar(rtf[i]) < 0x20 && rtf[i] != '\n'))
            return u"byte %1 is not plain ASCII"_s.arg(i);
        if (rtf[i] == '\\')
            ++i;
        else if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && (--depth < 0 || (depth == 0 && i < rtf.size() - 2))) // the document closes last
            return u"a group closes too early at byte %1"_s.arg(i);
    }
    return depth == 0 ? QString() : u"%1 groups left open"_s.arg(depth);
}

// The text unrtf finds in an RTF document: its plain-text output, with the \uN characters it
// would print as '?' written as &#N; by a copy of its text format that knows them.
QString unrtfText(const QByteArray &rtf, QString *failure)
{
    static QTemporaryDir dir;
    const QString conf = dir.filePath(u"text.conf"_s);
    if (!QFile::exists(conf)) {
        QFile system(u"/usr/share/unrtf/text.conf"_s);
        QFile copy(conf);
        if (!system.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly)) {
            *failure = u"cannot copy unrtf's text.conf"_s;
            return {};
        }
        copy.write(system.readAll() + "\nunisymbol_print\n\t&#%;\n");
    }
    QProcess unrtf;
    unrtf.start(u"unrtf"_s, {u"-P"_s, dir.path(), u"--text"_s, u"--nopict"_s});
    unrtf.write(rtf);
    unrtf.closeWriteChannel();
    if (!unrtf.waitForFinished(20000) || unrtf.exitCode() != 0) {
        *failure = u"unrtf failed: "_s + QString::fromLocal8Bit(unrtf.readAllStandardError());
        return {};
    }
    QString text = QString::fromUtf8(unrtf.readAllStandardOutput());
    // Its own comment lines and the line that opens the body are not document text.
    text.remove(QRegularExpression(u"^###[^\n]*\n"_s, QRegularExpression::MultilineOption));
    text.replace(QRegularExpression(u"\n-----------------\n"_s), u"\n"_s);
    return text;
}

// Our text as unrtf prints it: every character beyond ASCII as &#N;.
QString asUnrtfPrintsIt(const QString &text)
{
    QString out;
    for (QChar c : text)
        out += c.unicode() < 0x80 ? QString(c) : u"&#%1;"_s.arg(int(c.unicode()));
    return out;
}

}

class TestMarkdownRtf : public QObject
{
    Q_OBJECT

    QByteArray m_rtf;
    QTextDocument m_doc;

private slots:
    void initTestCase()
    {
        m_rtf = MarkdownRtf::convert(kSample);
        RtfReader::readRtf(m_rtf, &m_doc);
    }

    void textSurvives()
    {
        QVERIFY(m_rtf.contains("\\u-32386\\'3f")); // 腾 (U+817E) is negative in 16 bits
        const QString text = m_doc.toPlainText();
        // A line break inside Chinese text joins the lines without a space (元素。这一行).
        for (const QString &part : {u"第一节 数组"_s, u"a[0]"_s, u"#include <stdio.h>"_s, u"printf(\"%d\\n\", a[0]);"_s,
                                    u"int a[3] = {1, 2, 3};"_s, u"元素。这一行"_s, u"最后一段：腾讯 {花括号} 与 \\ 反斜杠。"_s})
            QVERIFY2(text.contains(part), qPrintable(part));
        QVERIFY(!text.contains(u"**"_s));
    }

    // The body in 宋体 at 10.5 points, each inline run in its own format and no wider (so the body
    // around it keeps its own).
    void inlineRunsKeepTheirFormat()
    {
        const QTextCharFormat body = runWith(m_doc, u"数组是"_s).charFormat();
        QCOMPARE(body.fontPointSize(), 10.5);
        QCOMPARE(body.fontFamilies().toStringList(), QStringList{u"宋体"_s});
        const QTextCharFormat heading = runWith(m_doc, u"第一节"_s).charFormat();
        QVERIFY(heading.fontWeight() >= QFont::Bold);
        QVERIFY(heading.fontPointSize() > body.fontPointSize());
        const QTextFragment bold = runWith(m_doc, u"一组类型相同"_s);
        QCOMPARE(bold.text(), u"一组类型相同"_s);
        QVERIFY(bold.charFormat().fontWeight() >= QFont::Bold);
        const QTextFragment italic = runWith(m_doc, u"下标"_s);
        QCOMPARE(italic.text(), u"下标"_s);
        QVERIFY(italic.charFormat().fontItalic());
        const QTextFragment code = runWith(m_doc, u"a[0]"_s);
        QCOMPARE(code.text(), u"a[0]"_s);
        QCOMPARE(code.charFormat().fontFamilies().toStringList(), QStringList{u"Courier New"_s});
        QVERIFY(code.charFormat().background().style() != Qt::NoBrush);
    }

    void codeBlockIsMonospaceAndSetApart()
    {
        const QTextCharFormat code = runWith(m_doc, u"int main(void)"_s).charFormat();
        QCOMPARE(code.fontFamilies().toStringList(), QStringList{u"Courier New"_s});
        QVERIFY(code.background().style() != Qt::NoBrush); // shaded
        const QTextBlock block = m_doc.find(u"int main"_s).block();
        QVERIFY(block.blockFormat().leftMargin() > 0);                     // indented
        QVERIFY(block.blockFormat().background().style() != Qt::NoBrush); // on a shaded block
        // Indentation inside the code is kept space for space.
        QVERIFY(m_doc.toPlainText().contains(u"\n    int a[3]"_s) || m_doc.toPlainText().contains(u"\u2028    int a[3]"_s));
        // The whole program is one block, the lines kept apart by line breaks.
        QVERIFY(block.text().contains(u"#include <stdio.h>"_s));
        QVERIFY(block.text().contains(u"printf"_s));
    }

    void listItemsAreParagraphsWithMarkers()
    {
        QStringList items;
        for (QTextBlock b = m_doc.begin(); b.isValid(); b = b.next()) {
            if (b.text().contains(QRegularExpression(u"^([\u2022\u25E6]|\\d\\.) "_s)))
                items << b.text();
        }
        QCOMPARE(items, (QStringList{u"\u2022 第一项：定义"_s, u"\u2022 第二项：初始化"_s, u"\u25E6 嵌套项"_s,
                                     u"1. 第一步"_s, u"2. 第二步"_s}));
        const QTextBlock first = m_doc.find(u"\u2022 第一项"_s).block();
        QVERIFY(first.blockFormat().leftMargin() > 0);
        QVERIFY(first.blockFormat().textIndent() < 0); // the marker hangs in the indent
        QVERIFY(m_doc.find(u"嵌套项"_s).block().blockFormat().leftMargin() > first.blockFormat().leftMargin());
        QVERIFY(runWith(m_doc, u"初始化"_s).charFormat().fontWeight() >= QFont::Bold);
    }

    void tableCellsLandInATable()
    {
        QTextTable *table = tablesOf(m_doc).value(0);
        QVERIFY(table);
        QCOMPARE(table->columns(), 2);
        QCOMPARE(cellTexts(table),
                 (QStringList{u"函数"_s, u"作用"_s, u"strlen(s)"_s, u"求长度"_s, u"strcmp(a, b)"_s, u"比较"_s}));
        QVERIFY(runWith(m_doc, u"函数"_s).charFormat().fontWeight() >= QFont::Bold); // header row
        QVERIFY(table->cellAt(0, 0).format().background().style() != Qt::NoBrush);
        QCOMPARE(table->cellAt(1, 0).format().background().style(), Qt::NoBrush);
        QVERIFY(runWith(m_doc, u"求长度"_s).charFormat().fontWeight() < QFont::Bold);
        QVERIFY(table->format().border() > 0);
        // A small table takes the room its text needs.
        double width = 0;
        for (const QTextLength &l : table->format().columnWidthConstraints())
            width += l.rawValue();
        QVERIFY(width > 0 && width <= 250);
        // The text after the table is outside it again.
        QVERIFY(!m_doc.find(u"最后一段"_s).currentTable());
    }

    void wideTablesShrinkToTheBox()
    {
        const int box = MarkdownRtf::kChapterWidth;
        QString md = u"| 甲 | 乙 | 丙 |\n|---|---|---|\n"_s;
        md += u"| "_s + QString(80, u'长') + u" | 短 | "_s + QString(60, u'宽') + u" |\n"_s;
        QTextDocument doc;
        RtfReader::readRtf(MarkdownRtf::convert(md, box), &doc);
        QTextTable *table = tablesOf(doc).value(0);
        QVERIFY(table);
        const QList<QTextLength> columns = table->format().columnWidthConstraints();
        QCOMPARE(columns.size(), 3);
        const double width = columns[0].rawValue() + columns[1].rawValue() + columns[2].rawValue();
        QVERIFY2(width <= box / 15.0 + 1, qPrintable(QString::number(width)));
        QVERIFY2(width >= box / 15.0 - 3, qPrintable(QString::number(width))); // and uses it
        // The narrow column keeps its room; the wide ones share the rest.
        QVERIFY(columns[1].rawValue() < 80);
        QCOMPARE(columns[0].rawValue(), columns[2].rawValue());
    }

    // Unusual Markdown, then the bank's own study texts and algorithm descriptions, as the program will
    // show them: well-formed RTF that both readers read alike.
    void markdownReadsBack_data()
    {
        QTest::addColumn<QString>("markdown");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("html block") << u"<div>块</div>\n"_s << u"<div>块</div>"_s;
        QTest::newRow("quote with list") << u"> 引用\n> - 项\n"_s << u"引用"_s;
        QTest::newRow("rule") << u"前\n\n---\n\n后\n"_s << u"后"_s;
        QTest::newRow("paren list") << u"3) 三\n4) 四\n"_s << u"4) 四"_s;
        QTest::newRow("item opening with a list") << u"1. - 内\n2. 外\n"_s << u"1. \n"_s;
        QTest::newRow("empty item") << u"- \n- 有\n"_s << u"有"_s;
        QTest::newRow("link") << u"[教程](http://example.org/c)"_s << u"教程 (http://example.org/c)"_s;
        QTest::newRow("image") << u"![示意图](a.png)"_s << u"示意图"_s;
        QTest::newRow("strike") << u"~~删除~~"_s << u"删除"_s;
        QTest::newRow("header-only table") << u"| 甲 | 乙 |\n|---|---|\n"_s << u"甲"_s;
        QTest::newRow("short row") << u"| 甲 | 乙 |\n|---|:-:|\n| 1 |\n"_s << u"1"_s;
        QTest::newRow("tabs and escapes") << u"```\n\tif (c == '{') s = \"\\\\\";\n```\n"_s << u"\tif (c == '{') s = \"\\\\\";"_s;
        QTest::newRow("control characters") << u"a"_s + QChar(1) + u"b"_s + QChar(0x7F) << u"ab"_s;
        QTest::newRow("hard break") << u"上一行\\\n下一行"_s << u"上一行\n下一行"_s; // a line break within the paragraph
        QTest::newRow("beyond the basic plane") << u"表情 \U0001F600 结束"_s << u"表情 \U0001F600 结束"_s;
        QTest::newRow("sample") << kSample << QString();
        QStringList errors;
        const BankSource bank = readBankSource(QStringLiteral(ZQ_BANK_SOURCE_DIR), errors);
        for (const ChapterSource &c : bank.chapters)
            QTest::newRow(qPrintable(u"chapter "_s + c.id)) << c.study << QString();
        for (const AlgorithmSource &a : bank.algorithms)
            QTest::newRow(qPrintable(u"algorithm "_s + a.id)) << algorithmMarkdown(a) << QString();
    }

    void markdownReadsBack()
    {
        QFETCH(QString, markdown);
        QFETCH(QString, shown);
        const QByteArray rtf = MarkdownRtf::convert(markdown);
        QCOMPARE(malformation(rtf), QString());
        QTextDocument doc;
        RtfReader::readRtf(rtf, &doc);
        const QString text = doc.toPlainText();
        QVERIFY2(text.contains(shown), qPrintable(text));
        // No Markdown syntax is left showing.
        QVERIFY2(!QRegularExpression(u"(^|\\n)#+ "_s).match(text).hasMatch(), "a heading mark shows");
        QVERIFY2(!text.contains(u"```"_s), "a code fence shows");
        QVERIFY2(!QRegularExpression(u"\\|\\s*-{3,}"_s).match(text).hasMatch(), "a table rule shows");
        // Every Chinese character of the source reaches the document (Markdown syntax is ASCII).
        QString source, chinese;
        for (QChar c : markdown)
            if (c.unicode() >= 0x2E80)
                source += c;
        for (QChar c : text)
            if (c.unicode() >= 0x2E80)
                chinese += c;
        QCOMPARE(chinese, source);
        if (QStandardPaths::findExecutable(u"unrtf"_s).isEmpty())
            return;
        QString failure;
        const QString other = unrtfText(rtf, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QString difference = textDifference(other, asUnrtfPrintsIt(text));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(TestMarkdownRtf)
#include "tst_markdown_rtf.moc"
