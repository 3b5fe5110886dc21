#include "data/SqliteBank.h"

#include "data/BankAccess.h"
#include "data/BankCheck.h"
#include "data/BankError.h"
#include "data/BankSchema.h"
#include "data/SqliteText.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace {

// Atomic: the start-up check opens a bank of its own on another thread.
std::atomic<int> s_connections = 0;

// A writer holding the file gets this long before the bank gives up on it.
constexpr int kLockedWaitMs = 1000;

bool lockedOut(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF; // the primary code of an extended one
    return code == 5 /* SQLITE_BUSY */ || code == 6 /* SQLITE_LOCKED */;
}

// The fields of a table as the queries read them: a text that is not UTF-8 comes as its bytes.
QString readableColumns(const QStringList &fields)
{
    QStringList columns;
    for (const QString &field : fields)
        columns << QStringLiteral("readable_text(%1) as %1").arg(field);
    return columns.join(QStringLiteral(", "));
}

QString allColumns(const QString &table)
{
    return readableColumns(BankSchema::fields(table));
}

}

SqliteBank::SqliteBank(const QString &path) : m_path(path)
{
    BankAccess::requireReadable(path);

    m_connectionName = QStringLiteral("zq-bank-%1").arg(++s_connections);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    // The program never writes its bank; it must also work from a read-only folder.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kLockedWaitMs));
    try {
        if (!db.open())
            throw BankError(QStringLiteral("无法打开题库文件 %1：%2").arg(QDir::toNativeSeparators(path), db.lastError().text()));
        if (!SqliteText::install(db))
            throw BankError(QStringLiteral("无法打开题库文件 %1：SQLite 不接受本程序的文字检查函数").arg(QDir::toNativeSeparators(path)));
        checkSchema();
    } catch (...) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw;
    }
}

SqliteBank::~SqliteBank()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

BankError SqliteBank::failure(const QSqlError &error) const
{
    if (lockedOut(error))
        return BankError(QStringLiteral("题库文件 %1 正被另一个程序锁定（可能正在写入），等了一秒仍无法读取。请关闭那个程序后再试。")
                             .arg(QDir::toNativeSeparators(m_path)));
    return BankError(QStringLiteral("题库查询失败：%1").arg(error.text()));
}

void SqliteBank::checkSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    const QStringList held = BankCheck::requireTables(m_path, [&](const QString &table, QString &cause) -> std::optional<QStringList> {
        QSqlQuery query(db);
        // Table names come from the fixed list of the check, never from user input.
        if (!query.exec(QStringLiteral("select * from %1 limit 0").arg(table))) {
            if (lockedOut(query.lastError()))
                throw failure(query.lastError());
            cause = query.lastError().text();
            return std::nullopt;
        }
        QStringList fields;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            fields << record.fieldName(i);
        return fields;
    });
    m_hasCases = held.contains(QStringLiteral("c_case"));
}

void SqliteBank::run(QSqlQuery &query, const QString &sql, const QVariantList &values) const
{
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw failure(query.lastError());
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw failure(query.lastError());
}

RecordSet SqliteBank::select(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    run(query, sql, values);
    // The names once: a record per row would ask the driver for every column's type again.
    const QSqlRecord names = query.record();
    RecordSet rows;
    while (query.next()) {
        QVariantMap fields;
        for (int i = 0; i < names.count(); ++i)
            fields.insert(names.fieldName(i), query.value(i));
        rows.append(Record(std::move(fields)));
    }
    if (query.lastError().isValid())
        throw failure(query.lastError());
    return rows;
}

RecordSet SqliteBank::chapters()
{
    return select(QStringLiteral("select %1 from chapter order by chapter.id").arg(allColumns(QStringLiteral("chapter"))), {});
}

RecordSet SqliteBank::chapter(const QString &id, const QString &title)
{
    return select(QStringLiteral("select %1 from chapter where chapter.id = ? and chapter.title = ?").arg(allColumns(QStringLiteral("chapter"))),
                  {id, title});
}

RecordSet SqliteBank::algorithms()
{
    return select(QStringLiteral("select %1 from jdsf order by jdsf.id").arg(allColumns(QStringLiteral("jdsf"))), {});
}

RecordSet SqliteBank::algorithm(const QString &id)
{
    return select(QStringLiteral("select %1 from jdsf where jdsf.id = ?").arg(allColumns(QStringLiteral("jdsf"))), {id});
}

RecordSet SqliteBank::chapterList()
{
    return select(QStringLiteral("select %1 from chapter order by chapter.id").arg(readableColumns({"id", "title"})), {});
}

RecordSet SqliteBank::algorithmList()
{
    return select(QStringLiteral("select %1 from jdsf order by jdsf.id").arg(readableColumns({"id", "title"})), {});
}

RecordSet SqliteBank::testQuestions(QuestionKind kind, int group)
{
    return select(QStringLiteral("select %1 from c_test where c_test.type = ? and c_test.group_id = ? order by c_test.id")
                      .arg(allColumns(QStringLiteral("c_test"))),
                  {QString::number(int(kind)), group});
}

RecordSet SqliteBank::exerciseQuestions(QuestionKind kind, const QString &chapterId)
{
    return select(QStringLiteral("select %1 from c_excer where c_excer.type = ? and c_excer.c_id = ? order by c_excer.id_test")
                      .arg(allColumns(QStringLiteral("c_excer"))),
                  {QStringLiteral("0%1").arg(int(kind)), chapterId});
}

QList<CheckedRow> SqliteBank::checkRows(const QString &table, const QStringList &values, const QStringList &texts,
                                        const QStringList &longTexts)
{
    // Each fault comes in a column of its own, named after its field with a "!" in front.
    QStringList columns = {readableColumns(values)};
    for (const QString &field : texts)
        columns << QStringLiteral("text_fault(%1) as \"!%1\"").arg(field);
    // typeof() does not load a long value's content.
    for (const QString &field : longTexts)
        columns << QStringLiteral("iif(typeof(%1) = 'blob', 'blob', null) as \"!%1\"").arg(field);
    const QString key = BankSchema::fields(table).first();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    run(query, QStringLiteral("select %1 from %2 order by %2.%3").arg(columns.join(QStringLiteral(", ")), table, key), {});

    const QSqlRecord names = query.record();
    QList<CheckedRow> rows;
    while (query.next()) {
        CheckedRow row;
        QVariantMap fields;
        for (int i = 0; i < names.count(); ++i) {
            const QString name = names.fieldName(i);
            if (!name.startsWith(u'!'))
                fields.insert(name, query.value(i));
            else if (!query.isNull(i))
                row.faults.insert(name.mid(1), query.value(i).toString() == u"blob" ? TextFault::Binary : TextFault::Encoding);
        }
        row.values = Record(std::move(fields));
        rows.append(std::move(row));
    }
    if (query.lastError().isValid())
        throw failure(query.lastError());
    return rows;
}

RecordSet SqliteBank::cases(const QString &table, int taskId)
{
    if (!m_hasCases)
        return {};
    return select(QStringLiteral("select * from c_case where task_table = ? and task_id = ? order by case_no"), {table, taskId});
}
