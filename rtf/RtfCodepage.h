#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <memory>

namespace rtf {

// Windows code page for a font's \fcharset; ansiCodepage (\ansicpgN) fills in
// for the default charset and for charsets we do not know.
int codepageForCharset(int charset, int ansiCodepage);

// True for the double-byte code pages of East Asian Windows.
bool isDoubleByteCodepage(int codepage);

// Keeps one stateful decoder per code page, so a double-byte character whose
// two bytes arrive in separate pieces still decodes as one character.
class Decoders {
public:
    QStringDecoder &get(int codepage);
    // Decodes a complete byte string on its own (font names).
    QString decodeWhole(int codepage, QByteArrayView bytes);

private:
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace rtf
