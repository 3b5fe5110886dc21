#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace rtf {

// One lexical element of an RTF stream. Views point into the input, which
// must outlive the token.
struct Token {
    enum Kind : std::uint8_t { End, Open, Close, Word, Symbol, Hex, Text, Binary };
    Kind kind = End;
    char symbol = 0;      // Symbol: the character after the backslash
    std::uint8_t hex = 0; // Hex: the byte of \'hh
    bool hasParam = false;
    int param = 0;
    QByteArrayView text;  // Word: its name; Text: the run; Binary: the raw bytes

    static Token of(Kind k)
    {
        Token t;
        t.kind = k;
        return t;
    }
};

// Splits RTF into tokens in one forward pass. Never reads past the input,
// clamps parameters to int and never fails: bad input only yields odd tokens.
// A long run of text comes in pieces of at most kMaxTextRun bytes, so that a
// reader can stop between any two tokens after little work.
class Lexer {
public:
    static constexpr qsizetype kMaxTextRun = 4096;

    explicit Lexer(QByteArrayView input)
        : m_p(input.data()), m_end(input.data() + input.size()) {}

    Token next();
    qsizetype remaining() const { return m_end - m_p; }

private:
    Token control();

    const char *m_p;
    const char *m_end;
};

} // namespace rtf
