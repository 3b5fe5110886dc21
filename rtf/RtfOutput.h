#pragma once

#include <QString>
#include <QTextCursor>
#include <QTextFormat>

namespace rtf {

// One twip is 1/1440 inch; documents are laid out at 96 pixels per inch.
constexpr double kTwipsPerPixel = 15.0;

// Where the reader puts what it reads, in reading order: the document at its
// cursor, or the table being read, which keeps it until the table is whole.
class Output {
public:
    virtual ~Output() = default;

    virtual void text(const QString &text, const QTextCharFormat &format) = 0;
    virtual void image(const QTextImageFormat &format) = 0;
    // Gives the paragraph being written its format.
    virtual void blockFormat(const QTextBlockFormat &format) = 0;
    // Ends the paragraph with these formats; the next one starts with them.
    virtual void paragraph(const QTextBlockFormat &block, const QTextCharFormat &chars) = 0;
};

// Writes at a cursor, which moves on past what it writes.
class CursorOutput final : public Output {
public:
    explicit CursorOutput(QTextCursor &cursor) : m_cursor(cursor) {}

    void text(const QString &text, const QTextCharFormat &format) override
    {
        m_cursor.insertText(text, format);
    }
    void image(const QTextImageFormat &format) override { m_cursor.insertImage(format); }
    void blockFormat(const QTextBlockFormat &format) override { m_cursor.setBlockFormat(format); }
    void paragraph(const QTextBlockFormat &block, const QTextCharFormat &chars) override
    {
        m_cursor.setBlockFormat(block);
        m_cursor.setBlockCharFormat(chars);
        m_cursor.insertBlock();
    }

private:
    QTextCursor &m_cursor;
};

} // namespace rtf
