#include "platform/RichTextBox.h"

#include "platform/RtfReader.h"

#include <QTextDocument>

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextBox::setTextRTF(const QByteArray &rtf)
{
    // Build into a fresh document that no view lays out yet, then swap it in:
    // much faster than filling the shown one, and the old document (a child of
    // this box) is deleted by setDocument().
    auto *doc = new QTextDocument(this);
    doc->setDefaultFont(font());
    doc->setUndoRedoEnabled(false);
    if (!rtf.isEmpty())
        RtfReader::load(rtf, doc);
    setDocument(doc);
    moveCursor(QTextCursor::Start);
}
