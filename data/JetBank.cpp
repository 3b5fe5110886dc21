#include "data/JetBank.h"

#include "data/BankAccess.h"
#include "data/BankCheck.h"
#include "data/BankError.h"
#include "data/BankSchema.h"
#include "data/JetHeader.h"

#include <QDir>
#include <QFile>
#include <QHash>

// mdbtools.h includes <glib.h> inside extern "C", where glib's C++ parts do not compile.
#include <glib.h>
#include <mdbtools.h>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

const QStringList kAcceptedPasswords = {QStringLiteral("583926"), QString()};

// libmdb 1.0.0 mistakes the deleted-row flag of a row's slot for an overflow pointer and hands
// such rows out; the slot tells them apart.
constexpr int kDeletedRow = 0x8000;

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
    struct Table
    {
        MdbTableDef *def = nullptr;
        Columns columns;
    };

    ~Database()
    {
        for (const Table &t : std::as_const(tables))
            mdb_free_tabledef(t.def);
        if (mdb)
            mdb_close(mdb);
    }

    // The value of a column of the row just fetched. Texts are converted with a bind size that
    // fits them whole: libmdb cuts every text at the bind size without a word.
    QVariant value(MdbColumn *col) const
    {
        const int start = col->cur_value_start;
        const int length = col->cur_value_len;
        if (length == 0)
            return {}; // NULL, or an empty text: both read as empty text
        switch (col->col_type) {
        case MDB_BYTE: return qlonglong(mdb->pg_buf[start]);
        case MDB_INT: return qlonglong(qint16(mdb_get_int16(mdb->pg_buf, start)));
        case MDB_LONGINT: return qlonglong(qint32(mdb_get_int32(mdb->pg_buf, start)));
        case MDB_FLOAT: return double(mdb_get_single(mdb->pg_buf, start));
        case MDB_DOUBLE: return mdb_get_double(mdb->pg_buf, start);
        case MDB_MEMO: {
            // The memo's header holds the length it takes in the file, flags in its top bits.
            const quint32 header = quint32(mdb_get_int32(mdb->pg_buf, start));
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
    // just fetched.
    void scan(const QString &path, const QString &name, const QList<Condition> &where,
              const std::function<void(const Columns &)> &take)
    {
        const auto found = tables.constFind(name);
        if (found == tables.cend())
            throw BankError(QStringLiteral("题库中没有表 %1").arg(name));
        const Table &table = *found;
        MdbTableDef *def = table.def;
        // One scan at a time: a scan keeps its position in the handle.
        mdb_rewind_table(def);
        guint fetched = 0;
        while (mdb_fetch_row(def)) {
            if (fetchedDeletedRow(def))
                continue;
            ++fetched;
            const bool wanted = std::all_of(where.begin(), where.end(), [&](const Condition &c) {
                return equals(value(table.columns.value(c.first)), c.second);
            });
            if (wanted)
                take(table.columns);
        }
        // libmdb 1.0.0 skips rows moved to an overflow page: a bank that has them would lose
        // questions without a word.
        if (fetched != def->num_rows)
            throw BankError(QStringLiteral("题库文件 %1 的表 %2 记有 %3 行，只读出了 %4 行；请先压缩并修复这个数据库文件")
                                .arg(native(path), name)
                                .arg(def->num_rows)
                                .arg(fetched));
    }

    QVariantMap values(const Columns &columns, const QStringList &fields) const
    {
        QVariantMap values;
        for (const QString &field : fields)
            values.insert(field, value(columns.value(field.toLower())));
        return values;
    }

    bool fetchedDeletedRow(const MdbTableDef *def) const
    {
        const int slot = mdb->fmt->row_count_offset + 2 + 2 * (int(def->cur_row) - 1);
        return mdb_get_int16(mdb->pg_buf, slot) & kDeletedRow;
    }

    MdbHandle *mdb = nullptr;
    qint64 fileSize = 0;
    QHash<QString, Table> tables;
};

JetBank::JetBank(const QString &path) : m_path(path), m_db(std::make_unique<Database>())
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
    if (!kAcceptedPasswords.contains(JetHeader::password(header, version)))
        throw BankError(QStringLiteral("题库文件 %1 的密码不正确，无法打开。").arg(native(path)));
    // Jet 3 keeps texts in the code page of the system that wrote them: the banks come from
    // Chinese systems.
    if (version == JetHeader::Version::Jet3 && qEnvironmentVariableIsEmpty("MDB_JET3_CHARSET"))
        qputenv("MDB_JET3_CHARSET", "CP936");

    m_db->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!m_db->mdb)
        throw BankError(QStringLiteral("题库文件 %1 不是有效的题库：无法读取数据库").arg(native(path)));
    // The catalog is read once and its tables looked up in it: reading it again frees the
    // entries that the tables read so far refer to.
    if (!mdb_read_catalog(m_db->mdb, MDB_TABLE))
        throw BankError(QStringLiteral("题库文件 %1 不是有效的题库：无法读取数据库的目录").arg(native(path)));
    BankCheck::requireTables(path, [this](const QString &name, QString &) -> std::optional<QStringList> {
        MdbCatalogEntry *entry = mdb_get_catalogentry_by_name(m_db->mdb, name.toUtf8().constData());
        MdbTableDef *def = entry ? mdb_read_table(entry) : nullptr;
        if (!def)
            return std::nullopt;
        mdb_read_columns(def);
        Database::Table &table = m_db->tables[name];
        table.def = def;
        QStringList fields;
        for (guint i = 0; i < def->columns->len; ++i) {
            auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, i));
            fields << QString::fromUtf8(col->name);
            table.columns.insert(fields.last().toLower(), col);
        }
        return fields;
    });
}

JetBank::~JetBank() = default;

RecordSet JetBank::select(const QString &table, const QList<Condition> &where, const QString &orderBy, QStringList fields)
{
    if (fields.isEmpty())
        fields = BankSchema::fields(table);
    RecordSet rows;
    QList<QVariant> keys;
    m_db->scan(m_path, table, where, [&](const Database::Columns &columns) {
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
    m_db->scan(m_path, table, {}, [&](const Database::Columns &columns) {
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
    if (!m_db->tables.contains(QStringLiteral("c_case")))
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
