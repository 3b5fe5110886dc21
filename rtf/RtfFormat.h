#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QTextFormat>

#include <cstdint>
#include <vector>

namespace rtf {

// Character properties, as a group sets them.
struct CharProps {
    int font = -1;
    int fs = 24; // half-points
    int cf = 0, cb = 0, highlight = 0, chcbpat = 0;
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    std::int8_t valign = 0; // 1 superscript, -1 subscript
    bool operator==(const CharProps &) const = default;
};

// Paragraph properties, as a group sets them.
struct ParaProps {
    std::int8_t align = 0; // 0 left, 1 centre, 2 right, 3 justified
    bool slmult = false;
    bool intbl = false;
    int itap = 0;
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0, sl = 0; // twips
    int cbpat = 0; // paragraph shading, a colour table index
    bool operator==(const ParaProps &) const = default;
};

// The colour table as read so far. Entry 0, entries without a colour and
// indexes past the end all mean "automatic".
class ColorTable {
public:
    void clear();                     // \colortbl: a table of its own
    void setRed(int value);
    void setGreen(int value);
    void setBlue(int value);
    void text(QByteArrayView bytes);  // each ';' ends an entry
    QColor at(int index) const;       // invalid for "automatic"
    int version() const { return m_version; } // changes with every entry

private:
    std::vector<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_set = false;
    int m_version = 0;
};

// The formats the properties stand for. fontName is empty where the font
// table has no name for the font.
QTextCharFormat charFormat(const CharProps &c, const QString &fontName, const ColorTable &colors);
QTextBlockFormat blockFormat(const ParaProps &p, const ColorTable &colors);

} // namespace rtf
