#pragma once

#include <QByteArray>
#include <QTextEdit>

// A read-only, scrolling box showing a study text from the bank: RTF as
// written by Word, WordPad or our bank tool, or plain text.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Replaces the shown document. Data that does not start with "{\rtf"
    // (after white space or a byte-order mark) is shown as plain text; an
    // empty array clears the box.
    void setTextRTF(const QByteArray &rtf);
};
