#include "rtf/RtfReader.h"

#include "rtf/RtfCodepage.h"
#include "rtf/RtfKeywords.h"
#include "rtf/RtfLexer.h"
#include "rtf/RtfPicture.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <vector>

using rtf::Kw;
using rtf::PictKind;
using rtf::Token;

namespace {

// Limits that keep hostile input from costing more than its size suggests.
constexpr int kMaxDepth = 1024;          // deeper groups share their parent's state
constexpr int kMaxColumns = 63;          // Word's own limit
constexpr double kMaxIndent = 3000;      // pixels

// One twip is 1/1440 inch; documents are laid out at 96 pixels per inch.
constexpr double kTwipsPerPixel = 15.0;

enum class Dest : std::uint8_t {
    Text,       // shown
    Skip,       // ignored wholesale
    UprSkip,    // the ANSI half of \upr: ignored until its \ud part
    FontTable,
    ColorTable,
    Pict,
};

struct CharProps {
    int font = -1;
    int fs = 24; // half-points
    int cf = 0, cb = 0, highlight = 0, chcbpat = 0;
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    std::int8_t valign = 0; // 1 superscript, -1 subscript
    bool operator==(const CharProps &) const = default;
};

struct ParaProps {
    std::int8_t align = 0; // 0 left, 1 centre, 2 right, 3 justified
    bool slmult = false;
    bool intbl = false;
    int itap = 0;
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0, sl = 0; // twips
    int cbpat = 0; // paragraph shading, a colour table index
    bool operator==(const ParaProps &) const = default;
};

struct GroupState {
    Dest dest = Dest::Text;
    int uc = 1;
    CharProps ch;
    ParaProps para;
};

struct FontEntry {
    QString name;
    int charset = 1; // default charset: the document's code page
    int cpg = 0;
};

int clampInt(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

class Parser {
public:
    Parser(QByteArrayView input, QTextDocument *doc)
        : m_input(input), m_doc(doc), m_cursor(doc), m_pictures(doc)
    {
        m_stack.reserve(64);
        m_stack.push_back(GroupState{});
        m_cellBudget = std::max<qint64>(20000, input.size() / 8);
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

    // text pipeline: bytes -> decoder -> run text -> document
    int currentCodepage();
    void appendBytes(QByteArrayView bytes);
    void decodePending();
    void appendChar(QChar c);
    void flushText();
    void endParagraph();
    void dropDanglingByte();

    QColor color(int index) const; // invalid for "automatic" and bad indexes
    QTextCharFormat charFormat();
    QTextBlockFormat blockFormat();

    // tables
    void ensureContext();
    void openTable();
    void closeTable();
    void trimTable();
    void startRow();
    void advanceCell();
    void shadeCell();
    void endCell();
    void endRow();

    // font, colour tables and pictures
    void commitFont();
    int fontDraftCodepage() const;
    void fontTableText(QByteArrayView bytes);
    void colorTableText(QByteArrayView bytes);
    void finishPicture();

    QByteArrayView m_input;
    QTextDocument *m_doc;
    QTextCursor m_cursor;
    std::vector<GroupState> m_stack;
    int m_extraDepth = 0; // groups past kMaxDepth
    bool m_star = false;  // \* seen: the next unknown word starts a skipped destination
    int m_skip = 0;       // \uc fallback characters still to drop
    bool m_done = false;

    // document settings
    int m_ansiCodepage = 1252;
    int m_deff = 0;
    QHash<int, FontEntry> m_fonts;
    std::vector<QColor> m_colors;
    int m_fontsVersion = 0;

    // font table entry being read
    int m_fontEntry = -1;
    FontEntry m_fontDraft;
    QByteArray m_fontName;     // bytes not yet decoded
    QString m_fontNameText;    // decoded so far (a \uN ends a run of bytes)
    bool m_fontNameDone = false;
    // colour table entry being read
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;

    // text pipeline
    QByteArray m_bytes;
    int m_bytesCodepage = -1;
    rtf::Decoders m_decoders;
    QString m_run;
    char16_t m_highSurrogate = 0;
    int m_cpFont = INT_MIN, m_cpFontsVersion = -1, m_cpValue = 1252;

    // format caches
    CharProps m_fmtProps;
    int m_fmtFontsVersion = -1;
    bool m_fmtValid = false;
    QTextCharFormat m_fmt;
    ParaProps m_blockProps;
    bool m_blockValid = false;
    int m_blockFontsVersion = -1;
    QTextBlockFormat m_blockFmt;

    // tables
    std::vector<int> m_cellx;
    std::vector<int> m_cellShade; // \clcbpat of each \cellx, 0 for none
    int m_nextShade = 0;
    bool m_rowBorders = false;
    QTextTable *m_table = nullptr;
    int m_tableCols = 0;
    int m_col = 0;
    int m_row = 0;
    bool m_cellEnded = false;
    bool m_rowEnded = false;
    bool m_tablesBlocked = false;
    qint64 m_cellBudget = 0;
    qint64 m_cellsUsed = 0;

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
    if (m_table)
        trimTable();
    else
        m_cursor.setBlockFormat(blockFormat());
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
        commitFont();
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
            appendBytes(bytes);
        return;
    case Dest::FontTable: fontTableText(bytes); return;
    case Dest::ColorTable: colorTableText(bytes); return;
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
    case Kw::Ansi: m_ansiCodepage = 1252; ++m_fontsVersion; return;
    case Kw::Mac: m_ansiCodepage = 10000; ++m_fontsVersion; return;
    case Kw::Pc: m_ansiCodepage = 437; ++m_fontsVersion; return;
    case Kw::Pca: m_ansiCodepage = 850; ++m_fontsVersion; return;
    case Kw::Ansicpg:
        if (p > 0) {
            m_ansiCodepage = p;
            ++m_fontsVersion;
        }
        return;
    case Kw::Deff:
        m_deff = p;
        return;
    case Kw::Uc:
        g.uc = clampInt(p, 0, 255);
        return;
    case Kw::U:
        handleUnicode(p);
        return;
    case Kw::Fonttbl:
        g.dest = Dest::FontTable;
        m_fontEntry = -1;
        return;
    case Kw::Colortbl:
        g.dest = Dest::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
        return;
    default:
        break;
    }

    switch (g.dest) {
    case Dest::FontTable:
        switch (kw) {
        case Kw::F:
            commitFont();
            m_fontEntry = p;
            m_fontDraft = FontEntry{};
            m_fontName.clear();
            m_fontNameText.clear();
            m_fontNameDone = false;
            return;
        case Kw::Fcharset: m_fontDraft.charset = p; return;
        case Kw::Cpg: m_fontDraft.cpg = p; return;
        default: return;
        }
    case Dest::ColorTable:
        switch (kw) {
        case Kw::Red: m_red = clampInt(p, 0, 255); m_colorSet = true; return;
        case Kw::Green: m_green = clampInt(p, 0, 255); m_colorSet = true; return;
        case Kw::Blue: m_blue = clampInt(p, 0, 255); m_colorSet = true; return;
        default: return;
        }
    case Dest::Pict:
        if (m_stack.size() != m_pictDepth)
            return;
        switch (kw) {
        case Kw::Pngblip: m_pict.kind = PictKind::Png; return;
        case Kw::Jpegblip: m_pict.kind = PictKind::Jpeg; return;
        case Kw::Emfblip:
        case Kw::Wmetafile:
        case Kw::Dibitmap:
        case Kw::Wbitmap:
        case Kw::Macpict:
        case Kw::Pmmetafile: m_pict.kind = PictKind::Other; return;
        case Kw::Picw: m_pict.picw = p; return;
        case Kw::Pich: m_pict.pich = p; return;
        case Kw::Picwgoal: m_pict.goalw = p; return;
        case Kw::Pichgoal: m_pict.goalh = p; return;
        case Kw::Picscalex: m_pict.scalex = p; return;
        case Kw::Picscaley: m_pict.scaley = p; return;
        default: return;
        }
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

    switch (kw) { // characters join the run without ending it
    case Kw::Tab: appendChar(QLatin1Char('\t')); return;
    case Kw::Line: appendChar(QChar(QChar::LineSeparator)); return;
    case Kw::Emdash: appendChar(QChar(0x2014)); return;
    case Kw::Endash: appendChar(QChar(0x2013)); return;
    case Kw::Bullet: appendChar(QChar(0x2022)); return;
    case Kw::Lquote: appendChar(QChar(0x2018)); return;
    case Kw::Rquote: appendChar(QChar(0x2019)); return;
    case Kw::Ldblquote: appendChar(QChar(0x201C)); return;
    case Kw::Rdblquote: appendChar(QChar(0x201D)); return;
    case Kw::Emspace: appendChar(QChar(0x2003)); return;
    case Kw::Enspace: appendChar(QChar(0x2002)); return;
    case Kw::Qmspace: appendChar(QChar(0x2005)); return;
    case Kw::Zwj: appendChar(QChar(0x200D)); return;
    case Kw::Zwnj: appendChar(QChar(0x200C)); return;
    case Kw::Ltrmark: appendChar(QChar(0x200E)); return;
    case Kw::Rtlmark: appendChar(QChar(0x200F)); return;
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
        c.font = m_deff;
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

    case Kw::Trowd:
        m_cellx.clear();
        m_cellShade.clear();
        m_nextShade = 0;
        m_rowBorders = false;
        return;
    case Kw::Cellx:
        if (m_cellx.size() < std::size_t(kMaxColumns)) {
            m_cellx.push_back(p);
            m_cellShade.push_back(m_nextShade);
        }
        m_nextShade = 0;
        return;
    case Kw::CellBorder: m_rowBorders = true; return;
    case Kw::Clcbpat: m_nextShade = p; return;
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
        if (m_fontEntry >= 0 && !m_fontNameDone) {
            m_fontNameText += m_decoders.decodeWhole(fontDraftCodepage(), m_fontName);
            m_fontName.clear();
            m_fontNameText += QChar(unit);
        }
        return;
    }
    if (top().ch.hidden)
        return;
    decodePending();
    if (QChar::isHighSurrogate(unit)) {
        if (m_highSurrogate)
            m_run.append(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (m_highSurrogate) {
            m_run.append(QChar(m_highSurrogate));
            m_run.append(QChar(unit));
            m_highSurrogate = 0;
        } else {
            m_run.append(QChar(QChar::ReplacementCharacter));
        }
        return;
    }
    if (m_highSurrogate) {
        m_run.append(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = 0;
    }
    if (unit != 0)
        m_run.append(QChar(unit));
}

// ---- text pipeline ----

int Parser::currentCodepage()
{
    const int font = top().ch.font < 0 ? m_deff : top().ch.font;
    if (font != m_cpFont || m_fontsVersion != m_cpFontsVersion) {
        m_cpFont = font;
        m_cpFontsVersion = m_fontsVersion;
        const auto it = m_fonts.constFind(font);
        if (it == m_fonts.cend())
            m_cpValue = m_ansiCodepage;
        else if (it->cpg > 0)
            m_cpValue = it->cpg;
        else
            m_cpValue = rtf::codepageForCharset(it->charset, m_ansiCodepage);
    }
    return m_cpValue;
}

void Parser::appendBytes(QByteArrayView bytes)
{
    const int cp = currentCodepage();
    if (cp != m_bytesCodepage) {
        decodePending();
        if (m_bytesCodepage >= 0)
            m_decoders.get(m_bytesCodepage).resetState();
        m_bytesCodepage = cp;
    }
    m_bytes.append(bytes.data(), bytes.size());
}

void Parser::decodePending()
{
    if (m_bytes.isEmpty())
        return;
    if (m_highSurrogate) {
        m_run.append(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = 0;
    }
    // The decoder keeps a dangling lead byte for the next piece of text.
    m_run.append(m_decoders.get(m_bytesCodepage).decode(m_bytes));
    m_bytes.clear();
}

void Parser::appendChar(QChar c)
{
    if (top().ch.hidden)
        return;
    decodePending();
    if (m_highSurrogate) {
        m_run.append(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = 0;
    }
    m_run.append(c);
}

void Parser::flushText()
{
    decodePending();
    if (m_highSurrogate) {
        m_run.append(QChar(QChar::ReplacementCharacter));
        m_highSurrogate = 0;
    }
    if (m_run.isEmpty())
        return;
    // Control characters from \'hh or \uN would read as paragraph breaks or
    // the document's own frame markers; the file's line breaks are gone already.
    m_run.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t') || u == 0xFDD0 || u == 0xFDD1 || u == 0x2029;
    });
    if (m_run.isEmpty())
        return;
    ensureContext();
    m_cursor.insertText(m_run, charFormat());
    m_run.clear();
}

void Parser::endParagraph()
{
    flushText();
    dropDanglingByte();
    ensureContext();
    m_cursor.setBlockFormat(blockFormat());
    m_cursor.setBlockCharFormat(charFormat());
    m_cursor.insertBlock();
}

// A double-byte character never spans a paragraph or cell mark: forget a lead
// byte left over so that it cannot swallow the next paragraph's first letter.
void Parser::dropDanglingByte()
{
    if (m_bytesCodepage >= 0)
        m_decoders.get(m_bytesCodepage).resetState();
}

QColor Parser::color(int index) const
{
    return index > 0 && std::size_t(index) < m_colors.size() ? m_colors[index] : QColor();
}

QTextCharFormat Parser::charFormat()
{
    const CharProps &c = top().ch;
    if (m_fmtValid && c == m_fmtProps && m_fmtFontsVersion == m_fontsVersion)
        return m_fmt;

    QTextCharFormat f;
    const auto font = m_fonts.constFind(c.font < 0 ? m_deff : c.font);
    if (font != m_fonts.cend() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    f.setFontPointSize(c.fs / 2.0);
    if (c.bold)
        f.setFontWeight(QFont::Bold);
    if (c.italic)
        f.setFontItalic(true);
    if (c.underline)
        f.setFontUnderline(true);
    if (c.strike)
        f.setFontStrikeOut(true);
    if (c.valign > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (c.valign < 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor fg = color(c.cf); fg.isValid())
        f.setForeground(fg);
    // Highlighting wins over character shading, which wins over \cb.
    QColor bg = color(c.highlight);
    if (!bg.isValid())
        bg = color(c.chcbpat);
    if (!bg.isValid())
        bg = color(c.cb);
    if (bg.isValid())
        f.setBackground(bg);

    m_fmt = f;
    m_fmtProps = c;
    m_fmtFontsVersion = m_fontsVersion;
    m_fmtValid = true;
    return f;
}

QTextBlockFormat Parser::blockFormat()
{
    const ParaProps &p = top().para;
    if (m_blockValid && p == m_blockProps && m_blockFontsVersion == m_fontsVersion)
        return m_blockFmt;

    QTextBlockFormat f;
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                               Qt::AlignJustify};
    f.setAlignment(kAlign[p.align]);
    const auto px = [](int twips, double lo, double hi) {
        return std::clamp(twips / kTwipsPerPixel, lo, hi);
    };
    const double left = px(p.li, 0, kMaxIndent);
    f.setLeftMargin(left);
    f.setRightMargin(px(p.ri, 0, kMaxIndent));
    f.setTextIndent(px(p.fi, -left, kMaxIndent)); // a hanging indent stops at the margin
    f.setTopMargin(px(p.sb, 0, 1000));
    f.setBottomMargin(px(p.sa, 0, 1000));
    if (p.sl != 0) {
        if (p.slmult && p.sl > 0)
            f.setLineHeight(std::clamp(p.sl * 100.0 / 240.0, 50.0, 500.0),
                            QTextBlockFormat::ProportionalHeight);
        else if (p.sl > 0)
            f.setLineHeight(px(p.sl, 1, 1000), QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(px(p.sl == INT_MIN ? INT_MAX : -p.sl, 1, 1000),
                            QTextBlockFormat::FixedHeight);
    }
    if (const QColor bg = color(p.cbpat); bg.isValid())
        f.setBackground(bg);
    m_blockFmt = f;
    m_blockProps = p;
    m_blockValid = true;
    m_blockFontsVersion = m_fontsVersion;
    return f;
}

// ---- tables ----
//
// Cells are filled in document order and the cursor always sits at the end of
// the cell being filled; an empty cell takes one position (its cell marker), so
// the next cell starts one position further on. Moving that way avoids
// QTextTable::cellAt(), which rebuilds the table's grid after every change.
// appendRows() rebuilds it too, so rows are added in doubling batches and the
// spare ones removed when the table ends: linear instead of quadratic.

void Parser::ensureContext()
{
    const bool inTable = top().para.intbl && !m_tablesBlocked;
    if (inTable && !m_table)
        openTable();
    else if (!inTable && m_table)
        closeTable();
    if (!m_table)
        return;
    if (m_rowEnded)
        startRow();
    else if (m_cellEnded)
        advanceCell();
}

void Parser::openTable()
{
    const int cols = clampInt(int(m_cellx.size()), 1, kMaxColumns);
    if (m_cellsUsed + cols > m_cellBudget) {
        m_tablesBlocked = true;
        return;
    }
    m_cellsUsed += cols;

    QTextTableFormat fmt;
    fmt.setCellPadding(3);
    fmt.setCellSpacing(0);
    fmt.setBorder(m_rowBorders ? 1 : 0);
    fmt.setBorderBrush(QColor(Qt::black));
    fmt.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    fmt.setBorderCollapse(true);
    if (int(m_cellx.size()) == cols) {
        QList<QTextLength> widths;
        int prev = 0;
        bool ok = true;
        for (int x : m_cellx) {
            if (x <= prev || x - prev > 14400 * 4) {
                ok = false;
                break;
            }
            widths.append(QTextLength(QTextLength::FixedLength, (x - prev) / kTwipsPerPixel));
            prev = x;
        }
        if (ok)
            fmt.setColumnWidthConstraints(widths);
    }
    m_table = m_cursor.insertTable(1, cols, fmt);
    m_tableCols = cols;
    m_col = 0;
    m_row = 0;
    shadeCell();
    m_cellEnded = m_rowEnded = false;
}

void Parser::trimTable()
{
    const int spare = m_table->rows() - (m_row + 1);
    if (spare > 0)
        m_table->removeRows(m_row + 1, spare);
}

void Parser::closeTable()
{
    trimTable();
    m_cursor.setPosition(m_table->lastPosition() + 1);
    m_table = nullptr;
    m_cellEnded = m_rowEnded = false;
}

void Parser::startRow()
{
    m_rowEnded = m_cellEnded = false;
    // Past the rest of this row's cells, each empty one a single position.
    // Taken first: rows appended at the cursor push the cursor behind them.
    const int next = m_cursor.position() + (m_tableCols - m_col);
    if (m_row + 1 >= m_table->rows()) {
        int batch = m_table->rows();
        if (m_cellsUsed + qint64(batch) * m_tableCols > m_cellBudget)
            batch = 1;
        if (m_cellsUsed + qint64(batch) * m_tableCols > m_cellBudget) {
            closeTable();
            m_tablesBlocked = true;
            return;
        }
        m_cellsUsed += qint64(batch) * m_tableCols;
        m_table->appendRows(batch);
    }
    m_cursor.setPosition(next);
    ++m_row;
    m_col = 0;
    shadeCell();
}

// Cell shading comes from the row definition. cellAt(position) is cheap here:
// the grid is only rebuilt after rows were appended.
void Parser::shadeCell()
{
    if (std::size_t(m_col) >= m_cellShade.size())
        return;
    const QColor bg = color(m_cellShade[m_col]);
    if (!bg.isValid())
        return;
    QTextTableCell cell = m_table->cellAt(m_cursor.position());
    QTextTableCellFormat fmt = cell.format().toTableCellFormat();
    fmt.setBackground(bg);
    cell.setFormat(fmt);
}

void Parser::advanceCell()
{
    m_cellEnded = false;
    if (m_col + 1 < m_tableCols) {
        ++m_col;
        m_cursor.setPosition(m_cursor.position() + 1);
        shadeCell();
        return;
    }
    if (m_tableCols < kMaxColumns && m_cellsUsed + m_table->rows() <= m_cellBudget) {
        // A row with more cells than the table has columns: widen the table.
        m_cellsUsed += m_table->rows();
        const int row = m_row;
        m_table->appendColumns(1);
        QTextTableFormat fmt = m_table->format();
        fmt.clearColumnWidthConstraints(); // the widths no longer fit
        m_table->setFormat(fmt);
        ++m_tableCols;
        ++m_col;
        m_cursor = m_table->cellAt(row, m_col).firstCursorPosition();
        shadeCell();
        return;
    }
    m_cursor.insertText(QStringLiteral("\t"), charFormat()); // no room: keep the text apart
}

void Parser::endCell()
{
    if (m_tablesBlocked) {
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
    if (!m_table) {
        appendChar(QLatin1Char('\t'));
        return;
    }
    dropDanglingByte();
    m_cursor.setBlockFormat(blockFormat());
    m_cellEnded = true;
}

void Parser::endRow()
{
    if (m_tablesBlocked) {
        endParagraph();
        return;
    }
    if (!m_table)
        return;
    m_rowEnded = true;
    m_cellEnded = false;
}

// ---- font and colour tables ----

void Parser::commitFont()
{
    if (m_fontEntry < 0)
        return;
    m_fontNameText += m_decoders.decodeWhole(fontDraftCodepage(), m_fontName);
    m_fontName.clear();
    m_fontDraft.name = m_fontNameText.trimmed();
    m_fonts.insert(m_fontEntry, m_fontDraft);
    ++m_fontsVersion;
    m_fontEntry = -1;
}

int Parser::fontDraftCodepage() const
{
    return m_fontDraft.cpg > 0 ? m_fontDraft.cpg
                               : rtf::codepageForCharset(m_fontDraft.charset, m_ansiCodepage);
}

void Parser::fontTableText(QByteArrayView bytes)
{
    if (m_fontEntry < 0 || m_fontNameDone)
        return;
    const qsizetype semi = bytes.indexOf(';');
    if (semi < 0) {
        m_fontName.append(bytes.data(), bytes.size());
        return;
    }
    m_fontName.append(bytes.data(), semi);
    m_fontNameDone = true;
    commitFont();
}

void Parser::colorTableText(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c != ';')
            continue;
        m_colors.push_back(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
    }
    ++m_fontsVersion; // colours feed the cached character format too
}

// ---- pictures ----

void Parser::finishPicture()
{
    rtf::Picture pict = std::move(m_pict);
    m_pict = rtf::Picture{};
    m_pictDepth = 0;
    if (pict.kind == PictKind::None && pict.data.isEmpty())
        return;
    const QTextImageFormat fmt = m_pictures.add(pict);
    flushText();
    ensureContext();
    m_cursor.insertImage(fmt);
}

} // namespace

namespace RtfReader {

namespace {
QByteArrayView skipLeadIn(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    qsizetype i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r'
                               || data[i] == '\n' || data[i] == '\f' || data[i] == '\v'))
        ++i;
    return data.sliced(i);
}
} // namespace

bool looksLikeRtf(QByteArrayView data)
{
    return skipLeadIn(data).startsWith("{\\rtf");
}

void readRtf(QByteArrayView data, QTextDocument *doc)
{
    Parser(skipLeadIn(data), doc).run();
}

QString decodePlainText(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    rtf::Decoders decoders;
    return decoders.decodeWhole(936, data);
}

void load(QByteArrayView data, QTextDocument *doc)
{
    if (looksLikeRtf(data)) {
        readRtf(data, doc);
        return;
    }
    doc->setUndoRedoEnabled(false);
    doc->setPlainText(decodePlainText(data));
}

} // namespace RtfReader
