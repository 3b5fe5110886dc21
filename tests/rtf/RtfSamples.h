#pragma once

// RTF as the tests feed it to the reader: Chinese text escaped as Word and
// the bank tool write it, WordPad's header, and pictures; and the tables read back.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringEncoder>
#include <QTextDocument>
#include <QTextTable>

// Chinese text as Word writes it: GBK bytes as \'hh escapes.
inline QByteArray gbk(const QString &text)
{
    QStringEncoder enc("GBK");
    const QByteArray bytes = enc.encode(text);
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

// Chinese text as the bank tool writes it: \uN with a '?' fallback.
inline QByteArray uEsc(const QString &text)
{
    QByteArray out;
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            out += char(c.unicode());
        else
            out += "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
    }
    return out;
}

inline const QByteArray kWordPadHeader =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
    "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Calibri;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green255\\blue0;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n";

// A picture as \pict\pngblip carries it: PNG bytes in hex.
inline QByteArray pngHex(QSize size, QColor color)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
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

inline QString cellText(QTextTable *t, int row, int col)
{
    const QTextTableCell cell = t->cellAt(row, col);
    QTextCursor c = cell.firstCursorPosition();
    c.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
    return c.selectedText();
}
