#pragma once

#include <QByteArray>
#include <QTextEdit>
#include <QTimer>

#include <memory>

namespace RtfReader {
class Reading;
}

// A read-only, scrolling box showing a study text from the bank: RTF as
// written by Word, WordPad or our bank tool, or plain text.
//
// A long text never holds up the window. It is read and laid out in slices,
// one per turn of the event loop, on the window's own thread: the layout has
// to happen there anyway, and it is the layout of what is read, not the
// reading, that costs most, so each slice is laid out as soon as it is read
// and the window answers between two slices. A text above kMaxTextBytes is
// cut: the box shows its first part under a notice that gives its size.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxTextBytes = 2 * 1024 * 1024;
    // What one slice reads: bytes of RTF or characters of plain text.
    static constexpr qsizetype kSliceSize = 4 * 1024;
    // Longer paragraphs are broken in pieces of this many characters: Qt lays
    // out a paragraph in one go, and one long enough would hold the window up.
    static constexpr int kMaxParagraphLength = 8 * 1024;

    explicit RichTextBox(QWidget *parent = nullptr);
    ~RichTextBox() override;

    // Replaces the shown document. Data that does not start with "{\rtf"
    // (after white space or a byte-order mark) is shown as plain text; an
    // empty array clears the box. The first slice shows at once, the rest
    // follows; a text still being read is dropped.
    void setTextRTF(const QByteArray &rtf);
    // True while the rest of the text is still to come.
    bool isReading() const { return m_reading != nullptr; }

private:
    bool readSlice(QTextDocument *doc);
    void readNextSlice();
    void stopReading();

    QByteArray m_text; // what is being read
    std::unique_ptr<RtfReader::Reading> m_reading;
    QTimer m_nextSlice;
};
