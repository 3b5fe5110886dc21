#pragma once

#include <QByteArrayView>

#include <memory>

class QTextDocument;

namespace rtf {

// Replaces the document's content with the RTF, which starts at its "{\rtf": one forward pass
// over the tokens, each group's state on a stack, text and formats written to the document or to
// the table being read.
void parse(QByteArrayView rtf, QTextDocument *doc);

// parse() a part at a time, so that a long text can be read between other work: each part is one
// edit of the document. The document is emptied at once; the RTF must outlive the parsing.
class Parsing {
public:
    Parsing(QByteArrayView rtf, QTextDocument *doc);
    ~Parsing();
    Parsing(const Parsing &) = delete;
    Parsing &operator=(const Parsing &) = delete;

    // Reads on until about `bytes` more of the RTF are read; true once all of it is.
    bool readMore(qsizetype bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace rtf
