#pragma once

#include "rtf/RtfOutput.h"

#include <QColor>
#include <QString>
#include <QTextTableFormat>

#include <cstdint>
#include <vector>

class QTextTable;

namespace rtf {

constexpr int kMaxColumns = 63; // Word's own limit

// The row definition in force: \trowd starts one, each \cellx adds a cell
// with the shading \clcbpat gave it, and any cell border gives the table its
// borders.
struct RowDefinition {
    std::vector<int> cellx;
    std::vector<QColor> shade; // of each cell; invalid for none
    int nextShade = 0;         // \clcbpat for the next \cellx, a colour table index
    bool borders = false;

    void reset();
    void addCell(int x, const QColor &shading);
};

// The tables of one document. A table is read into a buffer and inserted
// whole when it ends: a QTextTable that grows or shrinks a row at a time
// costs time in proportion to its size at every step, so growing one row by
// row is quadratic. Inserted once at its final size and filled cell by cell
// in document order, it costs time linear in what it holds.
//
// All the cells of a document's tables are capped by a budget in proportion
// to the input; once it is spent, no table is made any more and table text
// follows on as plain text.
class Tables final : public Output {
public:
    Tables(QTextCursor &cursor, qint64 cellBudget) : m_cursor(cursor), m_budget(cellBudget) {}

    bool isOpen() const { return m_open; }
    bool blocked() const { return m_blocked; }

    // Starts a table shaped by the row definition, unless the budget is spent.
    void open(const RowDefinition &row);
    // Inserts the table at the cursor and leaves the cursor after it.
    void close();

    // \cell and \row: what is written next goes into the next cell or row.
    // Until then the table can end without an empty cell or row after it.
    void endCell() { m_cellEnded = true; }
    void endRow();
    // Moves on to the cell or row announced, before anything more is written.
    // With no column left for a cell, its text follows a tab in the last one.
    void settle(const RowDefinition &row, const QTextCharFormat &tabFormat);

    // Output into the cell being read.
    void text(const QString &text, const QTextCharFormat &format) override;
    void image(const QTextImageFormat &format) override;
    void blockFormat(const QTextBlockFormat &format) override;
    void paragraph(const QTextBlockFormat &block, const QTextCharFormat &chars) override;

private:
    // What was read, in order: cell starts and what goes into each cell.
    struct Step {
        enum Kind : std::uint8_t { Row, Cell, Text, Image, BlockFormat, Paragraph };
        Kind kind;
        int format = -1;  // Row, Cell: its shading in m_shades, -1 for none; else a format
        int format2 = -1; // Paragraph: its character format
        int length = 0;   // Text: how many characters of m_text
    };

    void startRow(const RowDefinition &row);
    void advanceCell(const RowDefinition &row, const QTextCharFormat &tabFormat);
    void startCell(Step::Kind kind, const RowDefinition &row);
    int keep(const QTextFormat &format);
    void shadeCell(QTextTable *table, int shading);

    QTextCursor &m_cursor;
    const qint64 m_budget;
    qint64 m_cellsUsed = 0;
    bool m_blocked = false;

    bool m_open = false;
    bool m_cellEnded = false;
    bool m_rowEnded = false;
    QTextTableFormat m_format;
    int m_rows = 0;
    int m_columns = 0;
    int m_column = 0; // of the cell being read

    std::vector<Step> m_steps;
    std::vector<QTextFormat> m_formats;
    std::vector<QColor> m_shades;
    QString m_text;
};

} // namespace rtf
