#include "banktool/MarkdownRtf.h"

#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>

#include <QList>
#include <algorithm>
#include <memory>
#include <numeric>
#include <utility>

namespace {

// The look of a study text. Sizes are in half-points, distances in twips (1/1440 inch, 15 to a
// pixel). The text boxes are narrow (about 520 pixels for a chapter, 400 for an algorithm), so
// code is set small enough for some 50 to 65 characters a line.
constexpr int kBodySize = 21;    // 10.5 pt, the usual size of Chinese body text
constexpr int kCodeSize = 18;
constexpr int kInlineCodeSize = 20;
constexpr int kHeadingSizes[] = {32, 28, 24, 22, 21, 21};
constexpr int kListIndent = 600; // one nesting level of a list
constexpr int kMarkerRoom = 360; // the part of it the item's marker hangs in
constexpr int kCodeIndent = 200;
constexpr int kQuoteIndent = 420;
constexpr int kMinColumn = 700;

// Colour table indices.
constexpr int kHeadingColour = 1;
constexpr int kCodeShade = 2;
constexpr int kHeaderShade = 3;
constexpr int kInlineCodeColour = 4;
constexpr int kRuleColour = 5;

const char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1\\deflang2052\n"
    // 宋体 for the text, Courier New for program code.
    "{\\fonttbl{\\f0\\fnil\\fcharset134 \\u23435\\'3f\\u20307\\'3f;}{\\f1\\fmodern\\fcharset0 Courier New;}}\n"
    "{\\colortbl;\\red31\\green56\\blue100;\\red242\\green242\\blue242;\\red222\\green230\\blue240;"
    "\\red150\\green30\\blue30;\\red170\\green170\\blue170;}\n";

QString utf8(const char *text) { return text ? QString::fromUtf8(text) : QString(); }

bool isWide(QChar c) { return c.unicode() >= 0x2E80; }

QString typeName(cmark_node *node)
{
    const char *name = cmark_node_get_type_string(node);
    return name ? QString::fromLatin1(name) : QString();
}

// Plain text of an inline tree, for measuring table columns and joining soft line breaks.
QString plainText(cmark_node *node)
{
    switch (cmark_node_get_type(node)) {
    case CMARK_NODE_TEXT:
    case CMARK_NODE_CODE:
    case CMARK_NODE_HTML_INLINE:
        return utf8(cmark_node_get_literal(node));
    case CMARK_NODE_SOFTBREAK:
    case CMARK_NODE_LINEBREAK:
        return QStringLiteral(" ");
    default:
        break;
    }
    QString text;
    for (cmark_node *child = cmark_node_first_child(node); child; child = cmark_node_next(child))
        text += plainText(child);
    return text;
}

// Width of a text in half-width character cells: a Chinese character takes two.
int cells(const QString &text)
{
    int n = 0;
    for (QChar c : text)
        n += isWide(c) ? 2 : 1;
    return n;
}

struct Block
{
    int indent = 0;     // left indent of the paragraphs, twips
    bool tight = false; // inside a tight list: no space between paragraphs
};

class Writer
{
public:
    explicit Writer(int textWidth) : m_textWidth(textWidth) {}

    QByteArray document(cmark_node *root)
    {
        m_out = kHeader;
        blocks(root, Block{});
        m_out += "}\n";
        return m_out;
    }

private:
    // ---- output primitives ----

    // Control words; a delimiting space is written only when text follows.
    void words(QByteArrayView w)
    {
        m_out += w;
        m_pendingSpace = true;
    }
    void open(QByteArrayView w)
    {
        m_out += '{';
        m_pendingSpace = false;
        words(w);
    }
    void close()
    {
        m_out += '}';
        m_pendingSpace = false;
    }

    // Text, escaped. In code, line breaks become \line and every space is kept.
    void text(const QString &s, bool code = false)
    {
        for (QChar c : s) {
            const char16_t u = c.unicode();
            if (u == '\n') {
                if (code) {
                    words("\\line");
                    continue;
                }
                text(QStringLiteral(" "));
                continue;
            }
            if (u == '\t') {
                words("\\tab");
                continue;
            }
            if (u < 0x20 || u == 0x7F)
                continue;
            // The space that ends a control word is needed only before a plain character:
            // an escape ends it by itself, and some readers show a needless space as text.
            const bool escaped = u == '\\' || u == '{' || u == '}' || u >= 0x80;
            if (m_pendingSpace && !escaped)
                m_out += ' ';
            m_pendingSpace = false;
            if (u == '\\' || u == '{' || u == '}') {
                m_out += '\\';
                m_out += char(u);
            } else if (u < 0x80) {
                m_out += char(u);
            } else {
                // The fallback is written as \'3f rather than a bare '?': some readers drop
                // the whole word that follows a \u escape.
                m_out += "\\u" + QByteArray::number(qint16(u)) + "\\'3f";
            }
        }
    }

    void paragraph(const Block &b, const QByteArray &extra = {})
    {
        m_out += "\\pard\\plain";
        if (b.indent > 0)
            m_out += "\\li" + QByteArray::number(b.indent);
        m_out += b.tight ? "\\sa40" : "\\sa120";
        m_out += "\\sl300\\slmult1";
        m_out += extra;
        words("\\f0\\fs" + QByteArray::number(kBodySize));
    }

    void endParagraph()
    {
        m_out += "\\par\n";
        m_pendingSpace = false;
    }

    // ---- blocks ----

    void blocks(cmark_node *parent, const Block &b)
    {
        for (cmark_node *node = cmark_node_first_child(parent); node; node = cmark_node_next(node))
            block(node, b);
    }

    void block(cmark_node *node, const Block &b)
    {
        // A tight list has no space below its items; the paragraph after it gets some above.
        const bool afterList = std::exchange(m_afterList, false);
        switch (cmark_node_get_type(node)) {
        case CMARK_NODE_PARAGRAPH:
            paragraph(b, takeMarker() + (afterList ? "\\sb100" : ""));
            inlines(node);
            endParagraph();
            return;
        case CMARK_NODE_HEADING: {
            const int level = std::clamp(cmark_node_get_heading_level(node), 1, 6);
            flushMarker(b);
            m_out += "\\pard\\plain\\keepn";
            if (b.indent > 0)
                m_out += "\\li" + QByteArray::number(b.indent);
            m_out += level <= 2 ? "\\sb240\\sa120" : "\\sb160\\sa80";
            words("\\f0\\b\\cf" + QByteArray::number(kHeadingColour) + "\\fs"
                  + QByteArray::number(kHeadingSizes[level - 1]));
            inlines(node);
            endParagraph();
            return;
        }
        case CMARK_NODE_CODE_BLOCK:
            codeBlock(node, b);
            return;
        case CMARK_NODE_HTML_BLOCK: {
            QString literal = utf8(cmark_node_get_literal(node));
            while (literal.endsWith(u'\n'))
                literal.chop(1);
            paragraph(b, takeMarker());
            writeMarker();
            text(literal, true);
            endParagraph();
            return;
        }
        case CMARK_NODE_LIST:
            list(node, b);
            return;
        case CMARK_NODE_BLOCK_QUOTE: {
            flushMarker(b);
            Block inner = b;
            inner.indent += kQuoteIndent;
            blocks(node, inner);
            return;
        }
        case CMARK_NODE_THEMATIC_BREAK:
            flushMarker(b);
            paragraph(b, "\\brdrb\\brdrs\\brdrw10\\brsp20\\brdrcf" + QByteArray::number(kRuleColour));
            endParagraph();
            return;
        default:
            break;
        }
        if (typeName(node) == u"table") {
            flushMarker(b);
            table(node, b);
            return;
        }
        blocks(node, b);
    }

    // A list item's marker goes in front of the item's first paragraph, hanging in the indent.
    QByteArray takeMarker()
    {
        if (m_marker.isNull())
            return {};
        m_markerText = m_marker;
        m_marker.clear();
        return "\\fi-" + QByteArray::number(kMarkerRoom);
    }

    // An item that does not start with a paragraph shows its marker on a line of its own.
    void flushMarker(const Block &b)
    {
        if (m_marker.isNull())
            return;
        paragraph(b, takeMarker());
        writeMarker();
        endParagraph();
    }

    void writeMarker()
    {
        if (m_markerText.isNull())
            return;
        text(m_markerText);
        m_markerText.clear();
    }

    void list(cmark_node *node, const Block &b)
    {
        flushMarker(b); // an item that opens with a list of its own
        const bool ordered = cmark_node_get_list_type(node) == CMARK_ORDERED_LIST;
        const bool paren = cmark_node_get_list_delim(node) == CMARK_PAREN_DELIM;
        int number = ordered ? cmark_node_get_list_start(node) : 0;
        Block inner;
        inner.indent = b.indent + kListIndent;
        inner.tight = cmark_node_get_list_tight(node);
        for (cmark_node *item = cmark_node_first_child(node); item; item = cmark_node_next(item)) {
            if (ordered)
                m_marker = QString::number(number++) + QChar(paren ? u')' : u'.') + u' ';
            else
                m_marker = m_listDepth % 2 == 0 ? QStringLiteral("\u2022 ") : QStringLiteral("\u25E6 ");
            ++m_listDepth;
            if (!cmark_node_first_child(item))
                flushMarker(inner);
            else
                blocks(item, inner);
            --m_listDepth;
        }
        m_marker.clear();
        m_afterList = inner.tight;
    }

    void codeBlock(cmark_node *node, const Block &b)
    {
        flushMarker(b);
        QString literal = utf8(cmark_node_get_literal(node));
        while (literal.endsWith(u'\n'))
            literal.chop(1);
        // Set apart by an indent, a grey shade and a thin frame; readers that do not shade
        // paragraphs still shade the characters.
        const QByteArray indent = QByteArray::number(b.indent + kCodeIndent);
        m_out += "\\pard\\plain\\li" + indent + "\\sb60\\sa160\\cbpat" + QByteArray::number(kCodeShade)
               + "\\box\\brdrs\\brdrw10\\brsp80\\brdrcf" + QByteArray::number(kRuleColour);
        words("\\f1\\fs" + QByteArray::number(kCodeSize) + "\\chshdng0\\chcbpat" + QByteArray::number(kCodeShade));
        text(literal, true);
        endParagraph();
    }

    // ---- tables ----

    void table(cmark_node *node, const Block &b)
    {
        const int columns = std::max<int>(1, cmark_gfm_extensions_get_table_columns(node));
        const uint8_t *align = cmark_gfm_extensions_get_table_alignments(node);

        // Column widths follow the longest text in each column, within the width of the box.
        QList<int> width(columns, 0);
        for (cmark_node *row = cmark_node_first_child(node); row; row = cmark_node_next(row)) {
            int c = 0;
            for (cmark_node *cell = cmark_node_first_child(row); cell && c < columns; cell = cmark_node_next(cell), ++c)
                width[c] = std::max(width[c], cells(plainText(cell).trimmed()));
        }
        // Narrow columns get all they need; the wide ones share what is left evenly.
        const int available = std::max(kMinColumn * columns, m_textWidth - b.indent);
        for (int &w : width)
            w = std::max(kMinColumn, w * 110 + 300);
        QList<int> order(columns);
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](int x, int y) { return width[x] < width[y]; });
        int left = available;
        for (int k = 0; k < columns; ++k) {
            const int c = order[k];
            width[c] = std::max(kMinColumn, std::min(width[c], left / (columns - k)));
            left -= width[c];
        }

        QByteArray rowDefinition = "\\trowd\\trgaph108\\trleft" + QByteArray::number(b.indent);
        int x = b.indent;
        const QByteArray border = "\\brdrs\\brdrw10\\brdrcf" + QByteArray::number(kRuleColour);
        QByteArray cellDefinitions;
        for (int c = 0; c < columns; ++c) {
            x += width[c];
            cellDefinitions += "\\clbrdrt" + border + "\\clbrdrl" + border + "\\clbrdrb" + border + "\\clbrdrr" + border
                             + "\\cellx" + QByteArray::number(x);
        }

        for (cmark_node *row = cmark_node_first_child(node); row; row = cmark_node_next(row)) {
            const bool header = cmark_gfm_extensions_get_table_row_is_header(row);
            m_out += rowDefinition;
            if (header) {
                // Header cells are shaded: the shade goes before each cell's \cellx.
                m_out += QByteArray(cellDefinitions).replace(
                    "\\clbrdrt", "\\clcbpat" + QByteArray::number(kHeaderShade) + "\\clbrdrt");
            } else {
                m_out += cellDefinitions;
            }
            m_out += '\n';
            int c = 0;
            cmark_node *cell = cmark_node_first_child(row);
            for (; c < columns; ++c) {
                m_out += "\\pard\\plain\\intbl";
                const char a = align ? char(align[c]) : 0;
                m_out += a == 'c' ? "\\qc" : a == 'r' ? "\\qr" : "\\ql";
                words("\\f0\\fs" + QByteArray::number(kBodySize));
                if (cell) {
                    if (header)
                        open("\\b");
                    inlines(cell);
                    if (header)
                        close();
                    cell = cmark_node_next(cell);
                }
                m_out += "\\cell\n";
                m_pendingSpace = false;
            }
            m_out += "\\row\n";
        }
        m_out += "\\pard\n";
    }

    // ---- inlines ----

    void inlines(cmark_node *parent)
    {
        writeMarker();
        for (cmark_node *node = cmark_node_first_child(parent); node; node = cmark_node_next(node))
            inlineNode(node);
    }

    void inlineNode(cmark_node *node)
    {
        switch (cmark_node_get_type(node)) {
        case CMARK_NODE_TEXT:
        case CMARK_NODE_HTML_INLINE:
            text(utf8(cmark_node_get_literal(node)));
            return;
        case CMARK_NODE_CODE:
            open("\\f1\\fs" + QByteArray::number(kInlineCodeSize) + "\\cf" + QByteArray::number(kInlineCodeColour)
                 + "\\chshdng0\\chcbpat" + QByteArray::number(kCodeShade));
            text(utf8(cmark_node_get_literal(node)));
            close();
            return;
        case CMARK_NODE_SOFTBREAK: {
            // A line break inside a paragraph joins Chinese text directly, other text with a space.
            const QString before = previousText(node), after = nextText(node);
            if (!(before.size() && after.size() && isWide(before.back()) && isWide(after.front())))
                text(QStringLiteral(" "));
            return;
        }
        case CMARK_NODE_LINEBREAK:
            words("\\line");
            return;
        case CMARK_NODE_EMPH:
            open("\\i");
            inlineChildren(node);
            close();
            return;
        case CMARK_NODE_STRONG:
            open("\\b");
            inlineChildren(node);
            close();
            return;
        case CMARK_NODE_LINK: {
            inlineChildren(node);
            const QString url = utf8(cmark_node_get_url(node));
            if (!url.isEmpty() && url != plainText(node))
                text(QStringLiteral(" (%1)").arg(url));
            return;
        }
        case CMARK_NODE_IMAGE:
            inlineChildren(node);
            return;
        default:
            break;
        }
        if (typeName(node) == u"strikethrough") {
            open("\\strike");
            inlineChildren(node);
            close();
            return;
        }
        inlineChildren(node);
    }

    void inlineChildren(cmark_node *parent)
    {
        for (cmark_node *node = cmark_node_first_child(parent); node; node = cmark_node_next(node))
            inlineNode(node);
    }

    static QString previousText(cmark_node *node)
    {
        cmark_node *p = cmark_node_previous(node);
        return p ? plainText(p) : QString();
    }
    static QString nextText(cmark_node *node)
    {
        cmark_node *n = cmark_node_next(node);
        return n ? plainText(n) : QString();
    }

    int m_textWidth;
    QByteArray m_out;
    bool m_pendingSpace = false;
    QString m_marker;     // the marker of the list item whose first block is still to come
    QString m_markerText; // the marker taken by the paragraph being written
    int m_listDepth = 0;
    bool m_afterList = false; // the block before was a tight list
};

struct ParserFree
{
    void operator()(cmark_parser *p) const { cmark_parser_free(p); }
};
struct NodeFree
{
    void operator()(cmark_node *n) const { cmark_node_free(n); }
};

}

QByteArray MarkdownRtf::convert(const QString &markdown, int textWidth)
{
    cmark_gfm_core_extensions_ensure_registered();
    std::unique_ptr<cmark_parser, ParserFree> parser(cmark_parser_new(CMARK_OPT_DEFAULT));
    for (const char *name : {"table", "strikethrough"}) {
        if (cmark_syntax_extension *extension = cmark_find_syntax_extension(name))
            cmark_parser_attach_syntax_extension(parser.get(), extension);
    }
    const QByteArray source = markdown.toUtf8();
    cmark_parser_feed(parser.get(), source.constData(), size_t(source.size()));
    std::unique_ptr<cmark_node, NodeFree> root(cmark_parser_finish(parser.get()));
    return Writer(textWidth).document(root.get());
}
