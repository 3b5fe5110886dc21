#include "data/JetBank.h"

#include "data/BankAccess.h"
#include "data/BankCheck.h"
#include "data/BankError.h"
#include "data/BankSchema.h"
#include "data/JetHeader.h"
#include "data/JetPages.h"

#include <QDir>
#include <QFile>
#include <QHash>

// mdbtools.h includes <glib.h> inside extern "C", where glib's C++ parts do not compile.
#include <glib.h>
#include <mdbtools.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <numeric>

namespace {

const QStringList kAcceptedPasswords = {QStringLiteral("583926"), QString()};

// A row's slot on its data page: a deleted row, and a row moved to another page (its place
// holds a pointer). libmdb 1.0.0 mistakes the one flag for the other.
constexpr int kDeletedRow = 0x8000;
constexpr int kMovedRow = 0x4000;
constexpr int kMostRows = 1000; // libmdb reads no row past this on a page

constexpr unsigned char kDataPage = 0x01;
constexpr quint32 kCatalogPage = 2; // the catalog's definition, always here
constexpr int kMemoHeader = 12;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool isNumber(const QVariant &v)
{
    return v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double;
}

// A value in SQLite's ascending order: NULL first, then numbers, then texts by their UTF-8 bytes.
bool before(const QVariant &a, const QVariant &b)
{
    const auto rank = [](const QVariant &v) { return v.isNull() ? 0 : isNumber(v) ? 1 : 2; };
    if (rank(a) != rank(b))
        return rank(a) < rank(b);
    if (isNumber(a))
        return a.toDouble() < b.toDouble();
    return a.toString().toUtf8() < b.toString().toUtf8();
}

// Whether a stored value equals a wanted one as SQLite compares them in the bundled bank's
// columns: a number with a number, a text with a text (a number is compared in its digits, a
// text with a number only when it is one).
bool equals(const QVariant &stored, const QVariant &wanted)
{
    if (stored.isNull())
        return false;
    if (wanted.typeId() != QMetaType::Int)
        return stored.toString() == wanted.toString();
    if (isNumber(stored))
        return stored.toDouble() == wanted.toDouble();
    bool whole = false;
    const qlonglong number = stored.toString().toLongLong(&whole);
    return whole && number == wanted.toInt();
}

// The items in the ascending order of their keys, items of equal keys as they came.
template <class T>
QList<T> sortedBy(const QList<QVariant> &keys, const QList<T> &items)
{
    QList<qsizetype> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return before(keys[a], keys[b]); });
    QList<T> sorted;
    for (qsizetype i : order)
        sorted.append(items[i]);
    return sorted;
}

}

struct JetBank::Database
{
    using Columns = QHash<QString, MdbColumn *>; // by lower-case name
    using Definition = std::unique_ptr<MdbTableDef, decltype(&mdb_free_tabledef)>;
    struct Table
    {
        Definition def{nullptr, &mdb_free_tabledef};
        Columns columns;
        QList<quint32> pages; // what the usage map names, checked to lie within the file
    };

    ~Database()
    {
        tables.clear();
        catalog.def.reset();
        if (mdb)
            mdb_close(mdb);
    }

    // The table defined on the given page, its definition and maps checked before libmdb reads them.
    void open(Table &table, const QString &name, quint32 definition)
    {
        table.pages = pages->tablePages(definition, name);
        MdbCatalogEntry &entry = entries.emplace_back();
        entry.mdb = mdb;
        qstrncpy(entry.object_name, name.toUtf8().constData(), sizeof entry.object_name);
        entry.object_type = MDB_TABLE;
        entry.table_pg = definition;
        table.def.reset(mdb_read_table(&entry));
        MdbTableDef *def = table.def.get();
        if (!def || !def->usage_map || def->map_sz < 5)
            pages->damaged(QStringLiteral("表 %1 的定义读不出来").arg(name));
        if (!mdb_read_columns(def) || def->columns->len != def->num_cols)
            pages->damaged(QStringLiteral("表 %1 的字段读不出来").arg(name));
        for (guint i = 0; i < def->columns->len; ++i) {
            auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, i));
            table.columns.insert(QString::fromUtf8(col->name).toLower(), col);
        }
    }

    // The tables the catalog names, by lower-case name, with the page of each one's definition.
    QHash<QString, quint32> readCatalog()
    {
        open(catalog, QStringLiteral("MSysObjects"), kCatalogPage);
        for (const char *field : {"id", "name", "type"}) {
            if (!catalog.columns.contains(QLatin1String(field)))
                pages->damaged(QStringLiteral("数据库的目录缺少字段 %1").arg(QLatin1String(field)));
        }
        QHash<QString, quint32> found;
        scan(catalog, QStringLiteral("MSysObjects"), {}, [&](const Columns &columns) {
            const QVariant type = value(columns.value(QStringLiteral("type")));
            const QVariant id = value(columns.value(QStringLiteral("id")));
            if (isNumber(type) && isNumber(id) && (type.toLongLong() & 0x7F) == MDB_TABLE) {
                const QString name = value(columns.value(QStringLiteral("name"))).toString().toLower();
                if (!found.contains(name))
                    found.insert(name, quint32(id.toLongLong() & 0xFFFFFF));
            }
        });
        return found;
    }

    // The value of a column of the row just fetched, once what libmdb found for it is checked
    // to lie within the row. Texts are converted with a bind size that fits them whole: libmdb
    // cuts every text at the bind size without a word.
    QVariant value(MdbColumn *col) const
    {
        const int start = col->cur_value_start;
        const int length = col->cur_value_len;
        if (length == 0)
            return {}; // NULL, or an empty text: both read as empty text
        const int least = col->col_type == MDB_BYTE ? 1 : col->col_type == MDB_INT ? 2
                        : col->col_type == MDB_LONGINT || col->col_type == MDB_FLOAT ? 4
                        : col->col_type == MDB_DOUBLE ? 8 : col->col_type == MDB_MEMO ? kMemoHeader : 0;
        if (start < row.start || length < least || start + qint64(length) > row.end)
            pages->damaged(QStringLiteral("表 %1 有一个值超出了它所在的行").arg(scanned));
        switch (col->col_type) {
        case MDB_BYTE: return qlonglong(mdb->pg_buf[start]);
        case MDB_INT: return qlonglong(qint16(mdb_get_int16(mdb->pg_buf, start)));
        case MDB_LONGINT: return qlonglong(qint32(mdb_get_int32(mdb->pg_buf, start)));
        case MDB_FLOAT: return double(mdb_get_single(mdb->pg_buf, start));
        case MDB_DOUBLE: return mdb_get_double(mdb->pg_buf, start);
        case MDB_MEMO: {
            // The memo's header holds the length it takes in the file, flags in its top bits,
            // then where it is kept when not in the row.
            const quint32 header = quint32(mdb_get_int32(mdb->pg_buf, start));
            const quint32 kept = quint32(mdb_get_int32(mdb->pg_buf, start + 4));
            if (header & 0x40000000u)
                pages->checkLongValue(kept, false, scanned);
            else if (!(header & 0xFF000000u))
                pages->checkLongValue(kept, true, scanned);
            const qint64 stored = (header & 0x80000000u) ? length : qint64(header & 0x3FFFFFFFu);
            return text(col, std::min(stored, fileSize));
        }
        default:
            // Binary data is never shown: the bytes in the row (of an OLE object only its header)
            // mark it as such.
            if (binary(col))
                return QByteArray(reinterpret_cast<const char *>(mdb->pg_buf) + start, length);
            return text(col, length);
        }
    }

    static bool binary(const MdbColumn *col) { return col->col_type == MDB_BINARY || col->col_type == MDB_OLE; }

    // A stored text (UCS-2, compressed or not) takes at most twice its bytes in UTF-8. What
    // libmdb could not convert to UTF-8 comes as its bytes, as the SQLite store hands it over.
    QVariant text(MdbColumn *col, qint64 stored) const
    {
        mdb_set_bind_size(mdb, size_t(2 * stored + 64));
        char *converted = mdb_col_to_string(mdb, mdb->pg_buf, col->cur_value_start, col->col_type, col->cur_value_len);
        const QByteArray bytes(converted);
        g_free(converted);
        if (!QByteArrayView(bytes).isValidUtf8())
            return bytes;
        return QString::fromUtf8(bytes);
    }

    // Calls take with the columns of each row of the table that meets every condition, the row
    // just fetched. The pages are those of the checked usage map, each row checked before
    // libmdb takes it apart.
    void scan(const Table &table, const QString &name, const QList<Condition> &where,
              const std::function<void(const Columns &)> &take)
    {
        MdbTableDef *def = table.def.get();
        scanned = name;
        guint fetched = 0;
        bool movedRows = false;
        for (quint32 number : table.pages) {
            if (!mdb_read_pg(mdb, number))
                pages->damaged(QStringLiteral("第 %1 页读不出来").arg(number));
            const unsigned char *page = mdb->pg_buf;
            if (page[0] != kDataPage || quint32(mdb_get_int32(mdb->pg_buf, 4)) != def->entry->table_pg)
                continue;
            const int rows = std::min(mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset), kMostRows + 1);
            for (int r = 0; r < rows; ++r) {
                const int slot = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset + 2 + 2 * r);
                if (slot & kDeletedRow)
                    continue;
                if (slot & kMovedRow) {
                    movedRows = true;
                    continue;
                }
                const std::optional<JetPages::Span> span = pages->row(page, r);
                if (!span)
                    pages->damaged(QStringLiteral("表 %1 在第 %2 页的第 %3 行超出了页面").arg(name).arg(number).arg(r));
                pages->checkRow(page, *span, name);
                if (!mdb_read_row(def, guint(r)))
                    continue;
                row = *span;
                ++fetched;
                const bool wanted = std::all_of(where.begin(), where.end(), [&](const Condition &c) {
                    return equals(value(table.columns.value(c.first)), c.second);
                });
                if (wanted)
                    take(table.columns);
            }
        }
        if (fetched == def->num_rows)
            return;
        // libmdb 1.0.0 skips rows moved to an overflow page: compacting the file puts them back.
        if (movedRows)
            throw BankError(QStringLiteral("题库文件 %1 的表 %2 记有 %3 行，只读出了 %4 行；请先压缩并修复这个数据库文件")
                                .arg(native(pages->path()), name)
                                .arg(def->num_rows)
                                .arg(fetched));
        pages->damaged(QStringLiteral("表 %1 记有 %2 行，只找到 %3 行").arg(name).arg(def->num_rows).arg(fetched));
    }

    const Table &table(const QString &name) const
    {
        const auto found = tables.find(name);
        if (found == tables.end())
            throw BankError(QStringLiteral("题库中没有表 %1").arg(name));
        return found->second;
    }

    QVariantMap values(const Columns &columns, const QStringList &fields) const
    {
        QVariantMap values;
        for (const QString &field : fields)
            values.insert(field, value(columns.value(field.toLower())));
        return values;
    }

    MdbHandle *mdb = nullptr;
    qint64 fileSize = 0;
    std::optional<JetPages> pages;
    std::deque<MdbCatalogEntry> entries; // the tables' own, at addresses that stay
    Table catalog;
    std::map<QString, Table> tables; // move-only: each owns its definition
    QString scanned;     // the table being scanned
    JetPages::Span row;  // where the row just fetched lies in its page
};

JetBank::JetBank(const QString &path) : m_db(std::make_unique<Database>())
{
    BankAccess::requireReadable(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankError(QStringLiteral("无法读取题库文件 %1").arg(native(path)));
    const QByteArray header = file.read(4096);
    m_db->fileSize = file.size();
    file.close();
    if (!JetHeader::isJet(header))
        throw BankError(QStringLiteral("题库文件 %1 不是有效的题库").arg(native(path)));
    const JetHeader::Version version = JetHeader::version(header);
    if (version == JetHeader::Version::Other)
        throw BankError(QStringLiteral("题库文件 %1 的数据库格式版本无法读取（只能读取 Jet 3 和 Jet 4 格式）").arg(native(path)));
    const std::optional<QString> password = JetHeader::password(header, version);
    if (!password)
        throw BankError::damaged(path, QStringLiteral("文件头中保存密码的部分已损坏"));
    if (!kAcceptedPasswords.contains(*password))
        throw BankError(QStringLiteral("题库文件 %1 的密码不正确，无法打开。").arg(native(path)));
    // Jet 3 keeps texts in the code page of the system that wrote them: the banks come from
    // Chinese systems.
    if (version == JetHeader::Version::Jet3 && qEnvironmentVariableIsEmpty("MDB_JET3_CHARSET"))
        qputenv("MDB_JET3_CHARSET", "CP936");

    m_db->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!m_db->mdb)
        throw BankError(QStringLiteral("题库文件 %1 不是有效的题库：无法读取数据库").arg(native(path)));
    const MdbFormatConstants &fmt = *m_db->mdb->fmt;
    m_db->pages.emplace(path, JetPages::Layout{int(fmt.pg_size), fmt.row_count_offset, fmt.tab_num_cols_offset,
                                               fmt.tab_num_ridxs_offset, fmt.tab_usage_map_offset, fmt.tab_free_map_offset,
                                               fmt.tab_cols_start_offset, fmt.tab_ridx_entry_size, fmt.tab_col_entry_size,
                                               version == JetHeader::Version::Jet3});
    // The catalog is read here rather than by libmdb, whose reading follows the catalog's rows
    // unchecked (and parses their properties, which the bank does not need).
    const QHash<QString, quint32> catalog = m_db->readCatalog();
    BankCheck::requireTables(path, [this, &catalog](const QString &name) -> std::optional<QStringList> {
        const auto definition = catalog.constFind(name.toLower());
        if (definition == catalog.cend())
            return std::nullopt;
        Database::Table &table = m_db->tables[name];
        m_db->open(table, name, *definition);
        QStringList fields;
        for (guint i = 0; i < table.def->columns->len; ++i)
            fields << QString::fromUtf8(static_cast<MdbColumn *>(g_ptr_array_index(table.def->columns, i))->name);
        return fields;
    });
    // The cases are read only when a program is checked: damage to them is found now, not then.
    if (m_db->tables.count(QStringLiteral("c_case")))
        m_db->scan(m_db->table(QStringLiteral("c_case")), QStringLiteral("c_case"), {}, [](const Database::Columns &) {});
}

JetBank::~JetBank() = default;

RecordSet JetBank::select(const QString &table, const QList<Condition> &where, const QString &orderBy, QStringList fields)
{
    if (fields.isEmpty())
        fields = BankSchema::fields(table);
    RecordSet rows;
    QList<QVariant> keys;
    m_db->scan(m_db->table(table), table, where, [&](const Database::Columns &columns) {
        QVariantMap row = m_db->values(columns, fields);
        if (!orderBy.isEmpty())
            keys.append(m_db->value(columns.value(orderBy)));
        rows.append(Record(std::move(row)));
    });
    return orderBy.isEmpty() ? rows : sortedBy(keys, rows);
}

RecordSet JetBank::rows(const QString &table)
{
    return select(table, {}, {});
}

RecordSet JetBank::chapters()
{
    return select(QStringLiteral("chapter"), {}, QStringLiteral("id"));
}

RecordSet JetBank::chapter(const QString &id, const QString &title)
{
    return select(QStringLiteral("chapter"), {{QStringLiteral("id"), id}, {QStringLiteral("title"), title}}, {});
}

RecordSet JetBank::algorithms()
{
    return select(QStringLiteral("jdsf"), {}, QStringLiteral("id"));
}

RecordSet JetBank::algorithm(const QString &id)
{
    return select(QStringLiteral("jdsf"), {{QStringLiteral("id"), id}}, {});
}

RecordSet JetBank::testQuestions(QuestionKind kind, int group)
{
    return select(QStringLiteral("c_test"),
                  {{QStringLiteral("type"), QString::number(int(kind))}, {QStringLiteral("group_id"), group}},
                  QStringLiteral("id"));
}

RecordSet JetBank::exerciseQuestions(QuestionKind kind, const QString &chapterId)
{
    return select(QStringLiteral("c_excer"),
                  {{QStringLiteral("type"), QStringLiteral("0%1").arg(int(kind))}, {QStringLiteral("c_id"), chapterId}},
                  QStringLiteral("id_test"));
}

RecordSet JetBank::question(const QuestionRef &question)
{
    if (!BankSchema::isQuestionTable(question.table))
        return {};
    return select(question.table, {{BankSchema::fields(question.table).first(), question.id}}, {});
}

RecordSet JetBank::chapterList()
{
    return select(QStringLiteral("chapter"), {}, QStringLiteral("id"), {QStringLiteral("id"), QStringLiteral("title")});
}

RecordSet JetBank::algorithmList()
{
    return select(QStringLiteral("jdsf"), {}, QStringLiteral("id"), {QStringLiteral("id"), QStringLiteral("title")});
}

QList<CheckedRow> JetBank::checkRows(const QString &table, const QStringList &values, const QStringList &texts,
                                     const QStringList &longTexts)
{
    const QString key = BankSchema::fields(table).first();
    QList<CheckedRow> rows;
    QList<QVariant> keys;
    m_db->scan(m_db->table(table), table, {}, [&](const Database::Columns &columns) {
        CheckedRow row;
        row.values = Record(m_db->values(columns, values));
        // A text column holds UCS-2, which libmdb converts whole or not at all; a long text's
        // column type alone tells binary data.
        for (const QString &field : texts + longTexts) {
            MdbColumn *col = columns.value(field.toLower());
            if (Database::binary(col))
                row.faults.insert(field, TextFault::Binary);
            else if (texts.contains(field) && m_db->value(col).typeId() == QMetaType::QByteArray)
                row.faults.insert(field, TextFault::Encoding);
        }
        keys.append(m_db->value(columns.value(key)));
        rows.append(std::move(row));
    });
    return sortedBy(keys, rows);
}

RecordSet JetBank::cases(const QString &table, int taskId)
{
    if (!m_db->tables.count(QStringLiteral("c_case")))
        return {};
    return select(QStringLiteral("c_case"), {{QStringLiteral("task_table"), table}, {QStringLiteral("task_id"), taskId}},
                  QStringLiteral("case_no"));
}

int JetBank::faults(const QString &table, int taskId)
{
    if (!m_db->tables.contains(QStringLiteral("c_fault")))
        return 0;
    const RecordSet rows = select(QStringLiteral("c_fault"), {{QStringLiteral("task_table"), table}, {QStringLiteral("task_id"), taskId}}, {});
    return rows.isEmpty() ? 0 : rows.first().text(QStringLiteral("faults")).toInt();
}
