#include "rtf/RtfParser.h"

#include "rtf/RtfCodepage.h"
#include "rtf/RtfFonts.h"
#include "rtf/RtfFormat.h"
#include "rtf/RtfKeywords.h"
#include "rtf/RtfLexer.h"
#include "rtf/RtfOutput.h"
#include "rtf/RtfPicture.h"
#include "rtf/RtfTable.h"
#include "rtf/RtfText.h"

#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <vector>

using rtf::CharProps;
using rtf::Kw;
using rtf::ParaProps;
using rtf::Token;

namespace {

// Deeper groups share their parent's state, so hostile nesting costs nothing.
constexpr int kMaxDepth = 1024;

enum class Dest : std::uint8_t {
    Text,       // shown
    Skip,       // ignored wholesale
    UprSkip,    // the ANSI half of \upr: ignored until its \ud part
    FontTable,
    ColorTable,
    Pict,
};

struct GroupState {
    Dest dest = Dest::Text;
    int uc = 1;
    CharProps ch;
    ParaProps para;
};

int clampInt(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

class Parser {
public:
    Parser(QByteArrayView input, QTextDocument *doc)
        : m_input(input), m_doc(doc), m_cursor(doc), m_document(m_cursor),
          m_tables(m_cursor, std::max<qint64>(20000, input.size() / 8)), m_fonts(m_decoders),
          m_text(m_decoders), m_pictures(doc)
    {
        m_stack.reserve(64);
        m_stack.push_back(GroupState{});
    }

    void run();

private:
    GroupState &top() { return m_stack.back(); }

    void handleWord(const Token &t);
    void handleTextWord(Kw kw, const Token &t);
    void handleSymbol(char c);
    void handleText(QByteArrayView bytes);
    void handleHex(std::uint8_t byte);
    void handleUnicode(int value);
    void openGroup();
    void closeGroup();

    // text: bytes and units -> run text -> output
    int currentCodepage();
    void appendChar(QChar c);
    void flushText();
    void endParagraph();

    QTextCharFormat charFormat();
    QTextBlockFormat blockFormat();

    // The table being read takes what is read until it ends.
    rtf::Output &out() { return m_tables.isOpen() ? static_cast<rtf::Output &>(m_tables) : m_document; }
    void ensureContext();
    void endCell();
    void endRow();

    void finishPicture();

    QByteArrayView m_input;
    QTextDocument *m_doc;
    QTextCursor m_cursor;
    rtf::CursorOutput m_document;
    rtf::Tables m_tables;
    rtf::RowDefinition m_row;
    std::vector<GroupState> m_stack;
    int m_extraDepth = 0; // groups past kMaxDepth
    bool m_star = false;  // \* seen: the next unknown word starts a skipped destination
    int m_skip = 0;       // \uc fallback characters still to drop
    bool m_done = false;

    // document settings
    rtf::Decoders m_decoders;
    rtf::FontTable m_fonts;
    rtf::ColorTable m_colors;

    // text
    rtf::TextRun m_text;
    int m_cpFont = INT_MIN, m_cpFontsVersion = -1, m_cpValue = 1252;

    // format caches
    CharProps m_fmtProps;
    int m_fmtFontsVersion = -1, m_fmtColorsVersion = -1;
    bool m_fmtValid = false;
    QTextCharFormat m_fmt;
    ParaProps m_blockProps;
    bool m_blockValid = false;
    int m_blockColorsVersion = -1;
    QTextBlockFormat m_blockFmt;

    // pictures
    rtf::Picture m_pict;
    std::size_t m_pictDepth = 0;
    rtf::PictureStore m_pictures;
};

void Parser::run()
{
    m_doc->clear();
    m_doc->setUndoRedoEnabled(false);
    m_cursor = QTextCursor(m_doc);
    m_cursor.beginEditBlock();

    rtf::Lexer lexer(m_input);
    while (!m_done) {
        Token t = lexer.next();
        if (t.kind == Token::End)
            break;
        if (m_skip > 0) {
            switch (t.kind) {
            case Token::Open:
            case Token::Close:
                m_skip = 0; // fallback text never crosses a group
                break;
            case Token::Text: {
                const qsizetype n = std::min<qsizetype>(m_skip, t.text.size());
                m_skip -= int(n);
                t.text = t.text.sliced(n);
                if (t.text.isEmpty())
                    continue;
                break;
            }
            default:
                --m_skip;
                continue;
            }
        }
        switch (t.kind) {
        case Token::Open: openGroup(); break;
        case Token::Close: closeGroup(); break;
        case Token::Word: handleWord(t); break;
        case Token::Symbol: handleSymbol(t.symbol); break;
        case Token::Hex: handleHex(t.hex); break;
        case Token::Text: handleText(t.text); break;
        case Token::Binary:
            if (top().dest == Dest::Pict && m_stack.size() == m_pictDepth)
                m_pict.data.append(t.text.data(), t.text.size());
            break;
        case Token::End: break;
        }
    }

    if (top().dest == Dest::Pict && m_pictDepth)
        finishPicture(); // truncated picture: show what arrived
    flushText();
    if (m_tables.isOpen())
        m_tables.close();
    else
        m_document.blockFormat(blockFormat());
    m_cursor.endEditBlock();
}

void Parser::openGroup()
{
    m_star = false;
    if (m_stack.size() >= std::size_t(kMaxDepth)) {
        ++m_extraDepth;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void Parser::closeGroup()
{
    m_star = false;
    if (m_extraDepth > 0) {
        --m_extraDepth;
        return;
    }
    if (m_stack.size() <= 1) {
        m_done = true; // the document's own group has ended
        return;
    }
    const GroupState &g = top();
    if (g.dest == Dest::Pict && m_stack.size() == m_pictDepth)
        finishPicture();
    else if (g.dest == Dest::FontTable)
        m_fonts.commit();
    if (g.dest == Dest::Text)
        flushText();
    m_stack.pop_back();
    if (m_stack.size() == 1)
        m_done = true; // the document's own group has ended
}

void Parser::handleSymbol(char c)
{
    if (c == '*') {
        m_star = true;
        return;
    }
    const Dest d = top().dest;
    switch (c) {
    case '\\':
    case '{':
    case '}': {
        const char byte = c;
        if (d == Dest::Text || d == Dest::FontTable)
            handleText(QByteArrayView(&byte, 1));
        return;
    }
    case '~': if (d == Dest::Text) appendChar(QChar(0x00A0)); return;
    case '_': if (d == Dest::Text) appendChar(QChar(0x2011)); return;
    case '-': if (d == Dest::Text) appendChar(QChar(0x00AD)); return;
    case '\t': if (d == Dest::Text) appendChar(QLatin1Char('\t')); return;
    default: return; // \: \| and the like mean nothing on screen
    }
}

void Parser::handleHex(std::uint8_t byte)
{
    const char c = char(byte);
    handleText(QByteArrayView(&c, 1));
}

void Parser::handleText(QByteArrayView bytes)
{
    switch (top().dest) {
    case Dest::Text:
        if (!top().ch.hidden)
            m_text.appendBytes(bytes, currentCodepage());
        return;
    case Dest::FontTable: m_fonts.nameText(bytes); return;
    case Dest::ColorTable: m_colors.text(bytes); return;
    case Dest::Pict:
        if (m_stack.size() == m_pictDepth)
            m_pict.appendHex(bytes);
        return;
    case Dest::Skip:
    case Dest::UprSkip: return;
    }
}

void Parser::handleWord(const Token &t)
{
    const Kw kw = rtf::lookupKeyword(t.text);
    const bool star = m_star;
    m_star = false;
    GroupState &g = top();

    if (g.dest == Dest::Skip)
        return;
    if (g.dest == Dest::UprSkip) {
        if (kw == Kw::Ud)
            g.dest = Dest::Text;
        return;
    }
    if (star && kw != Kw::Shppict && kw != Kw::Ud) {
        // An ignorable destination we do not read. A picture or a font table
        // entry in progress keeps its own state; only this group is dropped.
        if (g.dest == Dest::Text)
            flushText();
        g.dest = Dest::Skip;
        return;
    }
    if (kw == Kw::SkipDest) {
        if (g.dest == Dest::Text)
            flushText();
        g.dest = Dest::Skip;
        return;
    }

    const int p = t.param;
    const bool changesReading = kw == Kw::Ansi || kw == Kw::Mac || kw == Kw::Pc
        || kw == Kw::Pca || kw == Kw::Ansicpg || kw == Kw::Fonttbl || kw == Kw::Colortbl;
    if (g.dest == Dest::Text && changesReading)
        flushText(); // pending text keeps the fonts and code page it came with
    switch (kw) { // words that mean the same in every destination
    case Kw::Ansi: m_fonts.setAnsiCodepage(1252); return;
    case Kw::Mac: m_fonts.setAnsiCodepage(10000); return;
    case Kw::Pc: m_fonts.setAnsiCodepage(437); return;
    case Kw::Pca: m_fonts.setAnsiCodepage(850); return;
    case Kw::Ansicpg:
        if (p > 0)
            m_fonts.setAnsiCodepage(p);
        return;
    case Kw::Deff:
        m_fonts.setDefaultFont(p);
        return;
    case Kw::Uc:
        g.uc = clampInt(p, 0, 255);
        return;
    case Kw::U:
        handleUnicode(p);
        return;
    case Kw::Fonttbl:
        g.dest = Dest::FontTable;
        m_fonts.begin();
        return;
    case Kw::Colortbl:
        g.dest = Dest::ColorTable;
        m_colors.clear();
        return;
    default:
        break;
    }

    switch (g.dest) {
    case Dest::FontTable:
        switch (kw) {
        case Kw::F: m_fonts.startEntry(p); return;
        case Kw::Fcharset: m_fonts.setCharset(p); return;
        case Kw::Cpg: m_fonts.setCodepage(p); return;
        default: return;
        }
    case Dest::ColorTable:
        switch (kw) {
        case Kw::Red: m_colors.setRed(p); return;
        case Kw::Green: m_colors.setGreen(p); return;
        case Kw::Blue: m_colors.setBlue(p); return;
        default: return;
        }
    case Dest::Pict:
        if (m_stack.size() == m_pictDepth)
            m_pict.setProperty(kw, p);
        return;
    case Dest::Text:
        handleTextWord(kw, t);
        return;
    case Dest::Skip:
    case Dest::UprSkip:
        return;
    }
}

void Parser::handleTextWord(Kw kw, const Token &t)
{
    const int p = t.param;
    const bool on = !t.hasParam || p != 0;

    if (const char16_t c = rtf::characterOf(kw)) {
        appendChar(QChar(c)); // characters join the run without ending it
        return;
    }
    switch (kw) {
    case Kw::Unknown:
    case Kw::Rtf:
    case Kw::Fldrslt:
    case Kw::Shppict:
    case Kw::Ud:
        return; // nothing to do, and no reason to end the run
    default:
        break;
    }

    flushText();
    GroupState &g = top();
    CharProps &c = g.ch;
    ParaProps &para = g.para;
    switch (kw) {
    case Kw::Upr: g.dest = Dest::UprSkip; return;
    case Kw::Pict:
        g.dest = Dest::Pict;
        m_pict = rtf::Picture{};
        m_pictDepth = m_stack.size();
        return;

    case Kw::Plain: {
        const CharProps fresh;
        c = fresh;
        c.font = m_fonts.defaultFont();
        return;
    }
    case Kw::B: c.bold = on; return;
    case Kw::I: c.italic = on; return;
    case Kw::Ul: c.underline = on; return;
    case Kw::Ulnone: c.underline = false; return;
    case Kw::Strike: c.strike = on; return;
    case Kw::Super: c.valign = 1; return;
    case Kw::Sub: c.valign = -1; return;
    case Kw::Nosupersub: c.valign = 0; return;
    case Kw::Fs: c.fs = t.hasParam && p > 0 ? clampInt(p, 2, 3276) : 24; return;
    case Kw::F: c.font = p; return;
    case Kw::Cf: c.cf = p; return;
    case Kw::Cb: c.cb = p; return;
    case Kw::Highlight: c.highlight = p; return;
    case Kw::Chcbpat: c.chcbpat = p; return;
    case Kw::V: c.hidden = on; return;

    case Kw::Pard: para = ParaProps{}; return;
    case Kw::Ql: para.align = 0; return;
    case Kw::Qc: para.align = 1; return;
    case Kw::Qr: para.align = 2; return;
    case Kw::Qj: para.align = 3; return;
    case Kw::Li: para.li = p; return;
    case Kw::Ri: para.ri = p; return;
    case Kw::Fi: para.fi = p; return;
    case Kw::Sb: para.sb = p; return;
    case Kw::Sa: para.sa = p; return;
    case Kw::Sl: para.sl = p; return;
    case Kw::Slmult: para.slmult = on; return;
    case Kw::Intbl:
        para.intbl = on;
        if (on && para.itap == 0)
            para.itap = 1;
        return;
    case Kw::Itap:
        // \itap0 leaves \intbl alone: a writer that emits both contradicts
        // itself, and \pard already ends table paragraphs.
        para.itap = std::max(0, p);
        if (para.itap > 0)
            para.intbl = true;
        return;

    case Kw::Par:
    case Kw::Page: endParagraph(); return;

    case Kw::Trowd: m_row.reset(); return;
    case Kw::Cellx: m_row.addCell(p, m_colors.at(m_row.nextShade)); return;
    case Kw::CellBorder: m_row.borders = true; return;
    case Kw::Clcbpat: m_row.nextShade = p; return;
    case Kw::Cbpat: para.cbpat = p; return;
    case Kw::Cell: endCell(); return;
    case Kw::Row: endRow(); return;
    case Kw::Nestcell: appendChar(QLatin1Char('\t')); return;
    case Kw::Nestrow: endParagraph(); return;
    default: return;
    }
}

void Parser::handleUnicode(int value)
{
    const int uc = top().uc;
    const Dest d = top().dest;
    m_skip = uc;
    if (d != Dest::Text && d != Dest::FontTable)
        return;
    const char16_t unit = char16_t(value < 0 ? value + 65536 : value & 0xFFFF);
    if (d == Dest::FontTable) {
        m_fonts.nameUnit(unit);
        return;
    }
    if (!top().ch.hidden)
        m_text.appendUnit(unit);
}

// ---- text pipeline ----

int Parser::currentCodepage()
{
    const int font = top().ch.font;
    if (font != m_cpFont || m_fonts.version() != m_cpFontsVersion) {
        m_cpFont = font;
        m_cpFontsVersion = m_fonts.version();
        m_cpValue = m_fonts.codepage(font);
    }
    return m_cpValue;
}

void Parser::appendChar(QChar c)
{
    if (!top().ch.hidden)
        m_text.appendChar(c);
}

void Parser::flushText()
{
    const QString text = m_text.take();
    if (text.isEmpty())
        return;
    ensureContext();
    out().text(text, charFormat());
}

void Parser::endParagraph()
{
    flushText();
    m_text.dropDanglingByte();
    ensureContext();
    out().paragraph(blockFormat(), charFormat());
}

QTextCharFormat Parser::charFormat()
{
    const CharProps &c = top().ch;
    if (!m_fmtValid || c != m_fmtProps || m_fmtFontsVersion != m_fonts.version()
        || m_fmtColorsVersion != m_colors.version()) {
        m_fmt = rtf::charFormat(c, m_fonts.name(c.font), m_colors);
        m_fmtProps = c;
        m_fmtFontsVersion = m_fonts.version();
        m_fmtColorsVersion = m_colors.version();
        m_fmtValid = true;
    }
    return m_fmt;
}

QTextBlockFormat Parser::blockFormat()
{
    const ParaProps &p = top().para;
    if (!m_blockValid || p != m_blockProps || m_blockColorsVersion != m_colors.version()) {
        m_blockFmt = rtf::blockFormat(p, m_colors);
        m_blockProps = p;
        m_blockColorsVersion = m_colors.version();
        m_blockValid = true;
    }
    return m_blockFmt;
}

// ---- tables ----

void Parser::ensureContext()
{
    const bool inTable = top().para.intbl && !m_tables.blocked();
    if (inTable && !m_tables.isOpen())
        m_tables.open(m_row);
    else if (!inTable && m_tables.isOpen())
        m_tables.close();
    if (m_tables.isOpen())
        m_tables.settle(m_row, charFormat());
}

void Parser::endCell()
{
    if (m_tables.blocked()) {
        appendChar(QLatin1Char('\t'));
        return;
    }
    GroupState &g = top();
    if (!g.para.intbl) {
        // A cell mark outside \intbl still means a table.
        g.para.intbl = true;
        g.para.itap = std::max(g.para.itap, 1);
    }
    ensureContext();
    if (!m_tables.isOpen()) {
        appendChar(QLatin1Char('\t'));
        return;
    }
    m_text.dropDanglingByte();
    m_tables.blockFormat(blockFormat());
    m_tables.endCell();
}

void Parser::endRow()
{
    if (m_tables.blocked()) {
        endParagraph();
        return;
    }
    if (m_tables.isOpen())
        m_tables.endRow();
}

// ---- pictures ----

void Parser::finishPicture()
{
    rtf::Picture pict = std::move(m_pict);
    m_pict = rtf::Picture{};
    m_pictDepth = 0;
    if (pict.kind == rtf::PictKind::None && pict.data.isEmpty())
        return;
    const QTextImageFormat fmt = m_pictures.add(pict);
    flushText();
    ensureContext();
    out().image(fmt);
}

} // namespace

void rtf::parse(QByteArrayView rtf, QTextDocument *doc)
{
    Parser(rtf, doc).run();
}
