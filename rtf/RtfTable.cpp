#include "rtf/RtfTable.h"

#include <QTextTable>

#include <algorithm>

namespace rtf {

void RowDefinition::reset()
{
    cellx.clear();
    shade.clear();
    nextShade = 0;
    borders = false;
}

void RowDefinition::addCell(int x, const QColor &shading)
{
    if (cellx.size() < std::size_t(kMaxColumns)) {
        cellx.push_back(x);
        shade.push_back(shading);
    }
    nextShade = 0;
}

void Tables::open(const RowDefinition &row)
{
    const int columns = std::clamp(int(row.cellx.size()), 1, kMaxColumns);
    if (m_cellsUsed + columns > m_budget) {
        m_blocked = true;
        return;
    }
    m_cellsUsed += columns;

    m_format = QTextTableFormat();
    m_format.setCellPadding(3);
    m_format.setCellSpacing(0);
    m_format.setBorder(row.borders ? 1 : 0);
    m_format.setBorderBrush(QColor(Qt::black));
    m_format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    m_format.setBorderCollapse(true);
    if (int(row.cellx.size()) == columns) {
        QList<QTextLength> widths;
        int prev = 0;
        bool ok = true;
        for (int x : row.cellx) {
            if (x <= prev || x - prev > 14400 * 4) {
                ok = false;
                break;
            }
            widths.append(QTextLength(QTextLength::FixedLength, (x - prev) / kTwipsPerPixel));
            prev = x;
        }
        if (ok)
            m_format.setColumnWidthConstraints(widths);
    }
    m_open = true;
    m_cellEnded = m_rowEnded = false;
    m_rows = 1;
    m_columns = columns;
    m_column = 0;
    startCell(Step::Row, row);
}

void Tables::endRow()
{
    m_rowEnded = true;
    m_cellEnded = false;
}

void Tables::settle(const RowDefinition &row, const QTextCharFormat &tabFormat)
{
    if (m_rowEnded)
        startRow(row);
    else if (m_cellEnded)
        advanceCell(row, tabFormat);
}

void Tables::startRow(const RowDefinition &row)
{
    m_rowEnded = m_cellEnded = false;
    if (m_cellsUsed + m_columns > m_budget) {
        close();
        m_blocked = true;
        return;
    }
    m_cellsUsed += m_columns;
    ++m_rows;
    m_column = 0;
    startCell(Step::Row, row);
}

void Tables::advanceCell(const RowDefinition &row, const QTextCharFormat &tabFormat)
{
    m_cellEnded = false;
    if (m_column + 1 >= m_columns) {
        // A row with more cells than the table has columns: widen the table.
        if (m_columns >= kMaxColumns || m_cellsUsed + m_rows > m_budget) {
            text(QStringLiteral("\t"), tabFormat); // no room: keep the text apart
            return;
        }
        m_cellsUsed += m_rows;
        ++m_columns;
        m_format.clearColumnWidthConstraints(); // the widths no longer fit
    }
    ++m_column;
    startCell(Step::Cell, row);
}

// Cell shading comes from the row definition in force when the cell starts.
void Tables::startCell(Step::Kind kind, const RowDefinition &row)
{
    int shading = -1;
    if (std::size_t(m_column) < row.shade.size() && row.shade[m_column].isValid()) {
        shading = int(m_shades.size());
        m_shades.push_back(row.shade[m_column]);
    }
    m_steps.push_back({kind, shading});
}

// The reader's formats come from its caches, so the last few kept cover
// nearly every step.
int Tables::keep(const QTextFormat &format)
{
    const std::size_t n = m_formats.size();
    for (std::size_t i = n; i > 0 && i + 4 > n; --i) {
        if (m_formats[i - 1] == format)
            return int(i - 1);
    }
    m_formats.push_back(format);
    return int(n);
}

void Tables::text(const QString &text, const QTextCharFormat &format)
{
    m_text += text;
    m_steps.push_back({Step::Text, keep(format), -1, int(text.size())});
}

void Tables::image(const QTextImageFormat &format)
{
    m_steps.push_back({Step::Image, keep(format)});
}

void Tables::blockFormat(const QTextBlockFormat &format)
{
    m_steps.push_back({Step::BlockFormat, keep(format)});
}

void Tables::paragraph(const QTextBlockFormat &block, const QTextCharFormat &chars)
{
    m_steps.push_back({Step::Paragraph, keep(block), keep(chars)});
}

// The cursor always sits at the end of the cell being filled, and an empty
// cell takes one position (its marker), so the next cell starts one position
// further on.
void Tables::close()
{
    QTextTable *table = m_cursor.insertTable(m_rows, m_columns, m_format);
    CursorOutput cell(m_cursor);
    qsizetype textAt = 0;
    int column = 0;
    bool firstRow = true;
    for (const Step &s : m_steps) {
        switch (s.kind) {
        case Step::Row:
            if (!firstRow) // past the rest of the row's cells
                m_cursor.setPosition(m_cursor.position() + (m_columns - column));
            firstRow = false;
            column = 0;
            shadeCell(table, s.format);
            break;
        case Step::Cell:
            m_cursor.setPosition(m_cursor.position() + 1);
            ++column;
            shadeCell(table, s.format);
            break;
        case Step::Text:
            cell.text(m_text.sliced(textAt, s.length), m_formats[s.format].toCharFormat());
            textAt += s.length;
            break;
        case Step::Image:
            cell.image(m_formats[s.format].toImageFormat());
            break;
        case Step::BlockFormat:
            cell.blockFormat(m_formats[s.format].toBlockFormat());
            break;
        case Step::Paragraph:
            cell.paragraph(m_formats[s.format].toBlockFormat(), m_formats[s.format2].toCharFormat());
            break;
        }
    }
    m_cursor.setPosition(table->lastPosition() + 1);

    m_open = false;
    m_cellEnded = m_rowEnded = false;
    m_steps = {};
    m_formats = {};
    m_shades = {};
    m_text = QString();
}

// Only the grid's first lookup builds it: filling cells leaves it as it is.
void Tables::shadeCell(QTextTable *table, int shading)
{
    if (shading < 0)
        return;
    QTextTableCell cell = table->cellAt(m_cursor.position());
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    format.setBackground(m_shades[shading]);
    cell.setFormat(format);
}

} // namespace rtf
