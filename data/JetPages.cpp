#include "data/JetPages.h"

#include "data/BankError.h"

#include <QDir>
#include <QSet>

namespace {

constexpr unsigned char kDefinitionPage = 0x02;
constexpr int kOffsetMask = 0x1FFF; // a row offset's flags are in its top bits
constexpr int kMostRows = 1000;     // libmdb reads no row past this on a page

quint32 u16(const unsigned char *bytes, qint64 at)
{
    return quint32(bytes[at]) | quint32(bytes[at + 1]) << 8;
}

quint32 u32(const unsigned char *bytes, qint64 at)
{
    return u16(bytes, at) | u16(bytes, at + 2) << 16;
}

const unsigned char *bytesOf(const QByteArray &bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.constData());
}

}

JetPages::JetPages(const QString &path, const Layout &layout) : m_path(path), m_layout(layout), m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly))
        throw BankError(QStringLiteral("无法读取题库文件 %1").arg(QDir::toNativeSeparators(path)));
    const qint64 size = m_file.size();
    if (size % layout.pageSize != 0)
        damaged(QStringLiteral("文件长 %1 字节，不是整页，文件不完整，可能被截断了").arg(size));
    m_count = quint32(std::min<qint64>(size / layout.pageSize, 0xFFFFFF));
}

void JetPages::damaged(const QString &what) const
{
    throw BankError::damaged(m_path, what);
}

QByteArray JetPages::page(quint32 number) const
{
    if (number >= m_count)
        damaged(QStringLiteral("要读的第 %1 页在文件之外（文件只有 %2 页）").arg(number).arg(m_count));
    QByteArray bytes;
    if (m_file.seek(qint64(number) * m_layout.pageSize))
        bytes = m_file.read(m_layout.pageSize);
    if (bytes.size() != m_layout.pageSize)
        damaged(QStringLiteral("第 %1 页读不出来").arg(number));
    return bytes;
}

std::optional<JetPages::Span> JetPages::row(const unsigned char *page, int row) const
{
    const int countAt = m_layout.rowCountAt;
    const int rows = int(u16(page, countAt));
    if (row < 0 || row >= rows || row > kMostRows || countAt + 4 + 2 * row > m_layout.pageSize)
        return std::nullopt;
    const int start = int(u16(page, countAt + 2 + 2 * row)) & kOffsetMask;
    const int end = row == 0 ? m_layout.pageSize : int(u16(page, countAt + 2 * row)) & kOffsetMask;
    if (start < countAt + 2 || start >= end || end > m_layout.pageSize)
        return std::nullopt;
    return Span{start, end};
}

JetPages::Span JetPages::rowAt(quint32 pgRow, const QString &table) const
{
    const quint32 number = pgRow >> 8;
    const QByteArray bytes = page(number);
    const std::optional<Span> found = row(bytesOf(bytes), int(pgRow & 0xFF));
    if (!found)
        damaged(QStringLiteral("表 %1 指向的第 %2 页第 %3 行不存在").arg(table).arg(number).arg(pgRow & 0xFF));
    return *found;
}

QList<quint32> JetPages::tablePages(quint32 definition, const QString &table) const
{
    const QByteArray first = page(definition);
    const unsigned char *def = bytesOf(first);
    if (def[0] != kDefinitionPage)
        damaged(QStringLiteral("表 %1 的定义所在的第 %2 页不是表定义").arg(table).arg(definition));
    const quint32 columns = u16(def, m_layout.columnCountAt);
    const quint32 realIndexes = u32(def, m_layout.realIndexCountAt);
    if (columns == 0 || columns > 255)
        damaged(QStringLiteral("表 %1 的定义记有 %2 列").arg(table).arg(columns));
    if (realIndexes > 255)
        damaged(QStringLiteral("表 %1 的定义记有 %2 个索引").arg(table).arg(realIndexes));

    // A definition goes on over further pages, each from its ninth byte; like libmdb, a read
    // that ends at a page's end takes the next page in.
    QByteArray stream = first;
    QByteArray last = first;
    QSet<quint32> taken = {definition};
    const auto reach = [&](qint64 end) {
        while (stream.size() <= end) {
            const quint32 next = u32(bytesOf(last), 4);
            if (next == 0 || taken.contains(next))
                damaged(QStringLiteral("表 %1 的定义不完整").arg(table));
            taken.insert(next);
            last = page(next);
            if (bytesOf(last)[0] != kDefinitionPage)
                damaged(QStringLiteral("表 %1 的定义接续到的第 %2 页不是表定义").arg(table).arg(next));
            stream += last.mid(8);
        }
    };
    qint64 at = m_layout.columnsAt + qint64(realIndexes) * m_layout.realIndexSize;
    for (quint32 i = 0; i < columns; ++i) {
        reach(at + m_layout.columnSize);
        at += m_layout.columnSize;
    }
    const int lengthSize = m_layout.jet3 ? 1 : 2;
    for (quint32 i = 0; i < columns; ++i) {
        reach(at + lengthSize);
        const quint32 length = m_layout.jet3 ? bytesOf(stream)[at] : u16(bytesOf(stream), at);
        at += lengthSize;
        reach(at + length);
        at += length;
    }

    rowAt(u32(def, m_layout.freeMapAt), table); // libmdb copies it, though it is only for writing
    const Span map = rowAt(u32(def, m_layout.usageMapAt), table);
    if (map.end - map.start < 5)
        damaged(QStringLiteral("表 %1 的页面用量表不完整").arg(table));
    const quint32 mapPage = u32(def, m_layout.usageMapAt) >> 8;
    return mappedPages(page(mapPage).mid(map.start, map.end - map.start), table);
}

QList<quint32> JetPages::mappedPages(const QByteArray &map, const QString &table) const
{
    const unsigned char *bytes = bytesOf(map);
    QList<quint32> pages;
    const auto take = [&](qint64 number) {
        if (number >= m_count)
            damaged(QStringLiteral("表 %1 的页面用量表列出的第 %2 页在文件之外（文件只有 %3 页）").arg(table).arg(number).arg(m_count));
        pages << quint32(number);
    };
    switch (bytes[0]) {
    case 0: { // a bitmap of pages from a first one
        const qint64 firstPage = u32(bytes, 1);
        for (qint64 bit = 0; bit < (map.size() - 5) * 8; ++bit) {
            if (bytes[5 + bit / 8] & (1 << (bit % 8)))
                take(firstPage + bit);
        }
        break;
    }
    case 1: { // pages of bitmaps, each over the pages its place in the list stands for
        const qint64 perMapPage = qint64(m_layout.pageSize - 4) * 8;
        for (qint64 i = 0; i < (map.size() - 1) / 4; ++i) {
            const quint32 number = u32(bytes, 1 + 4 * i);
            if (number == 0)
                continue;
            const QByteArray bitmap = page(number);
            for (qint64 bit = 0; bit < perMapPage; ++bit) {
                const unsigned char byte = bytesOf(bitmap)[4 + bit / 8];
                if (byte == 0)
                    bit += 7; // a page of bitmap is mostly empty
                else if (byte & (1 << (bit % 8)))
                    take(i * perMapPage + bit);
            }
        }
        break;
    }
    default: damaged(QStringLiteral("表 %1 的页面用量表类型 %2 无法识别").arg(table).arg(bytes[0]));
    }
    return pages;
}

void JetPages::checkRow(const unsigned char *page, Span row, const QString &table) const
{
    // As libmdb takes a row apart: the column count first; at the end the null mask, before it
    // the count of variable columns and their offsets (Jet 3: one byte each, and a jump table).
    const int countSize = m_layout.jet3 ? 1 : 2;
    const int size = row.end - row.start;
    const int last = row.end - 1;
    bool sound = size > countSize;
    if (sound) {
        const int columns = m_layout.jet3 ? page[row.start] : int(u16(page, row.start));
        const int mask = (columns + 7) / 8;
        const int countAt = m_layout.jet3 ? last - mask : last - mask - 1;
        sound = countAt >= row.start + countSize;
        if (sound) {
            const int variable = m_layout.jet3 ? page[countAt] : int(u16(page, countAt));
            if (m_layout.jet3) {
                const int jumps = (size - 1) / 256;
                sound = last - mask - jumps - 1 - variable >= row.start + countSize;
            } else {
                const int lowest = last - mask - 3 - 2 * variable;
                sound = lowest >= row.start + countSize;
                for (int i = 0; sound && i <= variable; ++i) {
                    const int offset = int(u16(page, last - mask - 3 - 2 * i));
                    sound = offset <= size && (i == variable || offset <= int(u16(page, last - mask - 5 - 2 * i)));
                }
            }
        }
    }
    if (!sound)
        damaged(QStringLiteral("表 %1 有一行的结构不完整").arg(table));
}

void JetPages::checkLongValue(quint32 pgRow, bool chained, const QString &table) const
{
    if (!chained) {
        rowAt(pgRow, table);
        return;
    }
    QSet<quint32> visited;
    while (pgRow != 0) {
        if (visited.contains(pgRow))
            damaged(QStringLiteral("表 %1 的一段长文字接续成了环").arg(table));
        visited.insert(pgRow);
        const Span span = rowAt(pgRow, table);
        if (span.end - span.start < 4)
            damaged(QStringLiteral("表 %1 的一段长文字接续不完整").arg(table));
        pgRow = u32(bytesOf(page(pgRow >> 8)), span.start);
    }
}
