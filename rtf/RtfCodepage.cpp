#include "rtf/RtfCodepage.h"

namespace rtf {

int codepageForCharset(int charset, int ansiCodepage)
{
    switch (charset) {
    case 0:
        // Many Chinese documents mark their fonts ANSI yet store GBK bytes;
        // in a document whose own code page is double-byte, trust that.
        return isDoubleByteCodepage(ansiCodepage) ? ansiCodepage : 1252;
    case 2: return 1252; // symbol fonts: keep the bytes as Latin-1-ish glyph codes
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    default: return ansiCodepage;
    }
}

bool isDoubleByteCodepage(int codepage)
{
    return codepage == 936 || codepage == 950 || codepage == 932 || codepage == 949
        || codepage == 54936;
}

namespace {

const char *codecName(int codepage)
{
    switch (codepage) {
    case 936: return "GBK";
    case 54936: return "GB18030";
    case 950: return "Big5";
    case 932: return "Shift_JIS";
    case 949: return "windows-949";
    case 874: return "windows-874";
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    default: return "windows-1252";
    }
}

std::unique_ptr<QStringDecoder> makeDecoder(int codepage)
{
    auto d = std::make_unique<QStringDecoder>(codecName(codepage));
    if (!d->isValid())
        d = std::make_unique<QStringDecoder>("windows-1252");
    if (!d->isValid()) // a Qt without ICU still has Latin-1
        d = std::make_unique<QStringDecoder>(QStringDecoder::Latin1);
    return d;
}

} // namespace

QStringDecoder &Decoders::get(int codepage)
{
    auto it = m_decoders.find(codepage);
    if (it == m_decoders.end())
        it = m_decoders.emplace(codepage, makeDecoder(codepage)).first;
    return *it->second;
}

QString Decoders::decodeWhole(int codepage, QByteArrayView bytes)
{
    QStringDecoder &d = get(codepage);
    d.resetState();
    QString s = d.decode(bytes);
    d.resetState();
    return s;
}

} // namespace rtf
