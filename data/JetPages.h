#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include <optional>

// The pages of a Jet file, read on their own to check what libmdb would follow before it does:
// libmdb trusts every count, offset and page number it reads, and a damaged file would lead it
// out of its buffers. Each check throws BankError naming the file as damaged and what is wrong.
class JetPages
{
public:
    // The layout of the file's version, as libmdb reads it.
    struct Layout
    {
        int pageSize = 4096;
        int rowCountAt = 0x0c;  // on a data page: the row count, the row offsets after it
        int columnCountAt = 45; // on a table definition (the variable columns' count before it)
        int realIndexCountAt = 51;
        int usageMapAt = 55;
        int freeMapAt = 59;
        int columnsAt = 63;     // the column entries, after those of the real indexes
        int realIndexSize = 12;
        int columnSize = 25;
        bool jet3 = false;      // one-byte counts and name lengths
    };
    struct Span
    {
        int start = 0; // within the page
        int end = 0;   // one past the last byte
    };

    // Throws when the file is not whole pages.
    JetPages(const QString &path, const Layout &layout);

    const QString &path() const { return m_path; }
    quint32 count() const { return m_count; }
    // The page's bytes; throws when it lies outside the file.
    QByteArray page(quint32 number) const;
    // The data pages the usage map of the table defined on the given page names, after checking
    // the definition: its columns and names within its pages, its maps within the file.
    QList<quint32> tablePages(quint32 definition, const QString &table) const;
    // The bytes of row `row` of a data page (libmdb's page buffer), or none.
    std::optional<Span> row(const unsigned char *page, int row) const;
    // Throws unless the row's column count, null mask and offset table lie within it.
    void checkRow(const unsigned char *page, Span row, const QString &table) const;
    // Throws unless the chain of long-value rows from pgRow lies within the file and ends.
    void checkLongValue(quint32 pgRow, bool chained, const QString &table) const;

    [[noreturn]] void damaged(const QString &what) const;

private:
    Span rowAt(quint32 pgRow, const QString &table) const;
    QList<quint32> mappedPages(const QByteArray &map, const QString &table) const;

    QString m_path;
    Layout m_layout;
    mutable QFile m_file;
    quint32 m_count = 0;
};
