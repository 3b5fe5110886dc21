#include "rtf/RtfFormat.h"

#include "rtf/RtfOutput.h"

#include <algorithm>
#include <climits>

namespace rtf {

namespace {
constexpr double kMaxIndent = 3000; // pixels
}

void ColorTable::clear()
{
    m_colors.clear();
    m_red = m_green = m_blue = 0;
    m_set = false;
    ++m_version;
}

void ColorTable::setRed(int value)
{
    m_red = std::clamp(value, 0, 255);
    m_set = true;
}

void ColorTable::setGreen(int value)
{
    m_green = std::clamp(value, 0, 255);
    m_set = true;
}

void ColorTable::setBlue(int value)
{
    m_blue = std::clamp(value, 0, 255);
    m_set = true;
}

void ColorTable::text(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c != ';')
            continue;
        m_colors.push_back(m_set ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_set = false;
    }
    ++m_version;
}

QColor ColorTable::at(int index) const
{
    return index > 0 && std::size_t(index) < m_colors.size() ? m_colors[index] : QColor();
}

QTextCharFormat charFormat(const CharProps &c, const QString &fontName, const ColorTable &colors)
{
    QTextCharFormat f;
    if (!fontName.isEmpty())
        f.setFontFamilies(QStringList{fontName});
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
    if (const QColor fg = colors.at(c.cf); fg.isValid())
        f.setForeground(fg);
    // Highlighting wins over character shading, which wins over \cb.
    QColor bg = colors.at(c.highlight);
    if (!bg.isValid())
        bg = colors.at(c.chcbpat);
    if (!bg.isValid())
        bg = colors.at(c.cb);
    if (bg.isValid())
        f.setBackground(bg);
    return f;
}

QTextBlockFormat blockFormat(const ParaProps &p, const ColorTable &colors)
{
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
    if (const QColor bg = colors.at(p.cbpat); bg.isValid())
        f.setBackground(bg);
    return f;
}

} // namespace rtf
