#include "rtf/RtfLexer.h"

#include <climits>

namespace rtf {

namespace {

// Bytes that end a run of literal text.
struct StopTable {
    bool stop[256] = {};
    constexpr StopTable()
    {
        stop[static_cast<unsigned char>('{')] = true;
        stop[static_cast<unsigned char>('}')] = true;
        stop[static_cast<unsigned char>('\\')] = true;
        stop[static_cast<unsigned char>('\r')] = true;
        stop[static_cast<unsigned char>('\n')] = true;
        stop[0] = true;
    }
};
constexpr StopTable kStop;

inline bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

Token Lexer::next()
{
    while (m_p < m_end) {
        const char c = *m_p;
        switch (c) {
        case '{':
            ++m_p;
            return Token::of(Token::Open);
        case '}':
            ++m_p;
            return Token::of(Token::Close);
        case '\r':
        case '\n':
        case '\0':
            ++m_p; // line breaks in the file carry no meaning
            continue;
        case '\\': {
            Token t = control();
            if (t.kind == Token::End && m_p < m_end)
                continue; // an empty \' escape: nothing to report
            return t;
        }
        default: {
            const char *start = m_p;
            const char *limit = m_end - m_p > kMaxTextRun ? m_p + kMaxTextRun : m_end;
            while (m_p < limit && !kStop.stop[static_cast<unsigned char>(*m_p)])
                ++m_p;
            Token t = Token::of(Token::Text);
            t.text = QByteArrayView(start, m_p - start);
            return t;
        }
        }
    }
    return Token::of(Token::End);
}

Token Lexer::control()
{
    ++m_p; // the backslash
    if (m_p >= m_end)
        return Token::of(Token::End);
    const char c = *m_p;

    if (isLetter(c)) {
        const char *start = m_p;
        while (m_p < m_end && isLetter(*m_p))
            ++m_p;
        Token t = Token::of(Token::Word);
        t.text = QByteArrayView(start, m_p - start);

        bool negative = false;
        if (m_p + 1 < m_end && *m_p == '-' && isDigit(m_p[1])) {
            negative = true;
            ++m_p;
        }
        if (m_p < m_end && isDigit(*m_p)) {
            long long v = 0;
            while (m_p < m_end && isDigit(*m_p)) {
                if (v <= INT_MAX) // keep consuming digits, stop growing
                    v = v * 10 + (*m_p - '0');
                ++m_p;
            }
            if (negative)
                v = -v;
            t.hasParam = true;
            t.param = v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
        }
        if (m_p < m_end && *m_p == ' ')
            ++m_p; // the delimiter belongs to the control word

        if (t.text == QByteArrayView("bin")) {
            const long long left = m_end - m_p;
            const long long n = t.param > 0 ? (t.param < left ? t.param : left) : 0;
            Token b = Token::of(Token::Binary);
            b.text = QByteArrayView(m_p, n);
            m_p += n;
            return b;
        }
        return t;
    }

    if (c == '\'') {
        ++m_p;
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_p < m_end) {
            const int h = hexValue(*m_p);
            if (h < 0)
                break;
            value = value * 16 + h;
            ++m_p;
            ++digits;
        }
        if (digits < 2)
            return Token::of(Token::End); // truncated escape: dropped by next()
        Token t = Token::of(Token::Hex);
        t.hex = static_cast<std::uint8_t>(value);
        return t;
    }

    ++m_p;
    if (c == '\r' || c == '\n') {
        Token t = Token::of(Token::Word);
        t.text = QByteArrayView("par");
        return t;
    }
    Token t = Token::of(Token::Symbol);
    t.symbol = c;
    return t;
}

} // namespace rtf
