#include "platform/RichTextBox.h"

#include "rtf/RtfReader.h"

#include <QTextDocument>

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
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
    // setDocument() deletes only the editor's initial document; earlier ones
    // made here are ours to delete.
    QTextDocument *old = document();
    const bool ours = old && old->parent() == this;
    setDocument(doc);
    if (ours)
        delete old;
    moveCursor(QTextCursor::Start);
}
