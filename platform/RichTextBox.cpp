#include "platform/RichTextBox.h"

#include "rtf/RtfReader.h"

#include <QTextDocument>

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    // A scroll bar that comes and goes narrows the text and lays it all out again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void RichTextBox::setTextRTF(const QByteArray &rtf)
{
    // Build into a fresh document that no view lays out yet, then swap it in:
    // much faster than filling the shown one.
    auto *doc = new QTextDocument(this);
    doc->setDefaultFont(font());
    doc->setUndoRedoEnabled(false);
    if (!rtf.isEmpty())
        RtfReader::load(rtf, doc);
    // No width yet: the layout the box makes for it waits for the box's width, instead of laying
    // the text out once unwrapped and then again.
    doc->setPageSize(QSizeF(0, 0));
    // setDocument() deletes only the editor's initial document; earlier ones
    // made here are ours to delete.
    QTextDocument *old = document();
    const bool ours = old && old->parent() == this;
    setDocument(doc);
    if (ours)
        delete old;
    moveCursor(QTextCursor::Start);
}
