#include "platform/RichTextBox.h"

#include "rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr double kMegabyte = 1024 * 1024;

// Where a long text is cut: after its last line break shortly before the bound, else at the
// bound, but never inside a UTF-8 sequence.
qsizetype cutPoint(const QByteArray &text)
{
    const qsizetype bound = RichTextBox::kMaxTextBytes;
    const qsizetype lineEnd = QByteArrayView(text).first(bound).lastIndexOf('\n');
    if (lineEnd >= bound - 4096)
        return lineEnd + 1;
    qsizetype at = bound;
    while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        --at;
    return at;
}

// The first paragraph of a cut text says so.
void putCutNotice(QTextDocument *doc, qsizetype fullSize)
{
    QTextCursor top(doc);
    top.insertBlock(); // the text moves down a paragraph, keeping its formats
    top.movePosition(QTextCursor::Start);
    top.setBlockFormat(QTextBlockFormat());
    QTextCharFormat red;
    red.setForeground(Qt::red);
    top.insertText(QStringLiteral("（本文共 %1 MB，太长，这里只显示开头的 %2 MB。）")
                       .arg(fullSize / kMegabyte, 0, 'f', 1)
                       .arg(RichTextBox::kMaxTextBytes / kMegabyte, 0, 'f', 0),
                   red);
}

// Breaks the paragraphs from `from` on into pieces of at most kMaxParagraphLength characters.
void breakLongParagraphs(QTextBlock from)
{
    for (QTextBlock block = from; block.isValid(); block = block.next()) {
        while (block.length() - 1 > RichTextBox::kMaxParagraphLength) {
            QTextCursor cursor(block);
            int at = block.position() + RichTextBox::kMaxParagraphLength;
            if (block.document()->characterAt(at - 1).isHighSurrogate())
                --at;
            cursor.setPosition(at);
            cursor.insertBlock();
            block = cursor.block();
        }
    }
}

} // namespace

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    // A scroll bar that comes and goes narrows the text and lays it all out again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(&m_nextSlice, &QTimer::timeout, this, &RichTextBox::readNextSlice);
}

RichTextBox::~RichTextBox() = default;

void RichTextBox::setTextRTF(const QByteArray &rtf)
{
    stopReading();
    const bool cut = rtf.size() > kMaxTextBytes;
    m_text = cut ? rtf.first(cutPoint(rtf)) : rtf;

    // The first slice goes into a fresh document that no view lays out yet,
    // which then replaces the shown one.
    auto *doc = new QTextDocument(this);
    doc->setDefaultFont(font());
    doc->setUndoRedoEnabled(false);
    m_reading = std::make_unique<RtfReader::Reading>(m_text, doc);
    const bool done = readSlice(doc);
    if (cut)
        putCutNotice(doc, rtf.size());
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

    if (done)
        stopReading();
    else
        m_nextSlice.start();
}

bool RichTextBox::readSlice(QTextDocument *doc)
{
    // One edit, so that the view lays the slice out once, after its long paragraphs are broken.
    QTextCursor edit(doc);
    edit.beginEditBlock();
    const QTextBlock from = doc->lastBlock(); // what is read goes in here and after it
    const bool done = m_reading->readMore(kSliceSize);
    breakLongParagraphs(from);
    edit.endEditBlock();
    return done;
}

void RichTextBox::readNextSlice()
{
    if (readSlice(document()))
        stopReading();
}

void RichTextBox::stopReading()
{
    m_nextSlice.stop();
    m_reading.reset();
    m_text.clear();
}
