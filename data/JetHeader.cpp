#include "data/JetHeader.h"

#include <QtEndian>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kVersionAt = 0x14;
constexpr int kMaskedFrom = 0x18;   // the header is masked from here, 126 (Jet 3) or 128 (Jet 4) bytes
constexpr int kPasswordAt = 0x42;
constexpr int kCreatedAt = 0x72;    // creation date, a double; masks the Jet 4 password once more

constexpr double kLastDate = 2958465; // 9999-12-31, in days from 1899-12-30

// The documented mask of a Jet 3 password (20 bytes at 0x42).
constexpr std::array<quint8, 20> kJet3PasswordMask = {0x86, 0xFB, 0xEC, 0x37, 0x5D, 0x44, 0x9C, 0xFA, 0xC6, 0x5E,
                                                      0x28, 0xE6, 0x13, 0xB6, 0x8A, 0x60, 0x54, 0x94, 0x7B, 0x36};

// The header is masked with the RC4 keystream of a fixed key.
QByteArray headerKeystream(int length)
{
    const std::array<quint8, 4> key = {0xC7, 0xDA, 0x39, 0x6B};
    std::array<quint8, 256> s;
    for (int i = 0; i < 256; ++i)
        s[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % key.size()]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    QByteArray stream(length, Qt::Uninitialized);
    for (int n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        stream[n] = char(s[(s[i] + s[j]) & 0xFF]);
    }
    return stream;
}

QByteArray unmasked(const QByteArray &page, int length)
{
    QByteArray header = page.mid(kMaskedFrom, length);
    const QByteArray stream = headerKeystream(length);
    for (int i = 0; i < header.size(); ++i)
        header[i] = char(header[i] ^ stream[i]);
    return header;
}

// The date as an int, as the engine takes it (saturating where it would not fit).
qint32 dateAsInt(double date)
{
    if (std::isnan(date))
        return 0;
    if (date >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (date <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    return qint32(date);
}

// A password is kept padded with zeros: with the right mask, nothing but zeros follows its end.
// Other bytes there mean the mask (the creation date) or the password itself was damaged.
bool paddedWithZeros(const QByteArray &secret, qsizetype end)
{
    for (qsizetype i = end; i < secret.size(); ++i) {
        if (secret[i] != 0)
            return false;
    }
    return true;
}

std::optional<QString> jet4Password(const QByteArray &page)
{
    const QByteArray header = unmasked(page, 128);
    double created = 0;
    std::memcpy(&created, header.constData() + (kCreatedAt - kMaskedFrom), sizeof created);
    if (!std::isfinite(created) || created < 0 || created > kLastDate)
        return std::nullopt;
    const qint32 date = qToLittleEndian(dateAsInt(created));
    const auto *mask = reinterpret_cast<const quint8 *>(&date);
    QByteArray secret = header.mid(kPasswordAt - kMaskedFrom, 40);
    for (int i = 0; i < secret.size(); ++i)
        secret[i] = char(secret[i] ^ mask[i % 4]);
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(secret.constData()), secret.size() / 2);
    const qsizetype length = text.contains(QChar(0)) ? text.indexOf(QChar(0)) : text.size();
    if (!paddedWithZeros(secret, 2 * length))
        return std::nullopt;
    return text.left(length);
}

std::optional<QString> jet3Password(const QByteArray &page)
{
    QByteArray secret = page.mid(kPasswordAt, int(kJet3PasswordMask.size()));
    for (int i = 0; i < secret.size(); ++i)
        secret[i] = char(secret[i] ^ kJet3PasswordMask[i]);
    const qsizetype length = secret.contains('\0') ? secret.indexOf('\0') : secret.size();
    if (!paddedWithZeros(secret, length))
        return std::nullopt;
    return QString::fromLatin1(secret.left(length));
}

}

bool JetHeader::isJet(const QByteArray &start)
{
    return start.startsWith(QByteArray("\x00\x01\x00\x00", 4))
        && (start.mid(4, 16) == QByteArray("Standard Jet DB\0", 16) || start.mid(4, 16) == QByteArray("Standard ACE DB\0", 16));
}

JetHeader::Version JetHeader::version(const QByteArray &page)
{
    if (page.size() <= kVersionAt)
        return Version::Other;
    switch (page[kVersionAt]) {
    case 0: return Version::Jet3;
    case 1: return Version::Jet4;
    default: return Version::Other;
    }
}

std::optional<QString> JetHeader::password(const QByteArray &page, Version version)
{
    if (page.size() < kMaskedFrom + 128)
        return std::nullopt;
    return version == Version::Jet3 ? jet3Password(page) : jet4Password(page);
}
