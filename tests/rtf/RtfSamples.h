#pragma once

// RTF as the tests feed it to the reader: Chinese text escaped as Word writes it,
// WordPad's header, and pictures; and the tables and runs read back.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

// Chinese text as Word writes it: GBK bytes as \'hh escapes.
inline QByteArray gbk(const QString &text)
{
    const QByteArray bytes = QStringEncoder("GBK").encode(text);
    QByteArray out;
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80)
            out += c;
        else
            out += "\\'" + QByteArray::number(u, 16).rightJustified(2, '0');
    }
    return out;
}

inline const QByteArray kWordPadHeader =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
    "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Calibri;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green255\\blue0;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n";

// A picture as \pict\pngblip (or \jpegblip) carries it: the image file's bytes in hex.
inline QByteArray pngHex(QSize size, QColor color, const char *format = "PNG")
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return png.toHex();
}

// The tables at the top level of a document, in order.
inline QList<QTextTable *> tablesOf(const QTextDocument &doc)
{
    QList<QTextTable *> out;
    for (QTextFrame *f : doc.rootFrame()->childFrames())
        if (auto *t = qobject_cast<QTextTable *>(f))
            out << t;
    return out;
}

// The text of every cell, row by row.
inline QStringList cellTexts(QTextTable *t)
{
    QStringList out;
    for (int row = 0; row < t->rows(); ++row) {
        for (int col = 0; col < t->columns(); ++col) {
            const QTextTableCell cell = t->cellAt(row, col);
            QTextCursor c = cell.firstCursorPosition();
            c.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
            out << c.selectedText();
        }
    }
    return out;
}

// The run of text in which needle starts, table cells included; an invalid one if it is not there.
inline QTextFragment runWith(const QTextDocument &doc, const QString &needle)
{
    const QTextCursor found = doc.find(needle);
    for (auto it = found.block().begin(); !it.atEnd(); ++it) {
        if (it.fragment().contains(found.selectionStart()))
            return it.fragment();
    }
    return {};
}
