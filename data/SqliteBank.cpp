#include "data/SqliteBank.h"

#include "data/BankAccess.h"
#include "data/BankCheck.h"
#include "data/BankError.h"
#include "data/BankSchema.h"
#include "data/SqliteFailure.h"
#include "data/SqliteText.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

#include <atomic>

namespace {

// Atomic: the start-up check opens a bank of its own on another thread.
std::atomic<int> s_connections = 0;
std::atomic<int> s_timeLimitMs = 10000;

// A writer holding the file gets this long before the bank gives up on it.
constexpr int kLockedWaitMs = 1000;
// The time limit is looked at after this many steps of a statement.
constexpr int kStepsBetweenLooks = 1000;

// Whether the statement under way has run past its time: SQLite then ends it.
int pastTimeLimit(void *clock)
{
    return static_cast<const QElapsedTimer *>(clock)->hasExpired(s_timeLimitMs) ? 1 : 0;
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
            throw failure(db.lastError());
        sqlite3 *connection = SqliteText::handle(db);
        if (!connection || !SqliteText::install(connection))
            throw BankError(QStringLiteral("无法打开题库文件 %1：SQLite 不接受本程序的文字检查函数").arg(QDir::toNativeSeparators(path)));
        sqlite3_progress_handler(connection, kStepsBetweenLooks, pastTimeLimit, &m_clock);
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

void SqliteBank::setTimeLimit(int ms)
{
    s_timeLimitMs = ms;
}

BankError SqliteBank::failure(const QSqlError &error) const
{
    return SqliteFailure::of(m_path, error, s_timeLimitMs);
}

QHash<QString, QString> SqliteBank::objectTypes()
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    run(query, QStringLiteral("select lower(name), type, sql from sqlite_master where type in ('table', 'view')"), {});
    QHash<QString, QString> types;
    while (query.next()) {
        const bool virtualTable = query.value(2).toString().simplified().startsWith(QStringLiteral("create virtual"), Qt::CaseInsensitive);
        types.insert(query.value(0).toString(), virtualTable ? QStringLiteral("virtual table") : query.value(1).toString());
    }
    if (query.lastError().isValid())
        throw failure(query.lastError());
    return types;
}

void SqliteBank::checkSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    // Only a table may stand for one: a view or a virtual table runs code of the file's making
    // on every read, and may never end.
    const QHash<QString, QString> types = objectTypes();
    const QStringList held = BankCheck::requireTables(m_path, [&](const QString &table) -> std::optional<QStringList> {
        const QString type = types.value(table.toLower());
        if (type.isEmpty())
            return std::nullopt;
        if (type != u"table")
            throw BankError(QStringLiteral("题库文件 %1 不是有效的题库：%2 是%3，不是表")
                                .arg(QDir::toNativeSeparators(m_path), table,
                                     type == u"view" ? QStringLiteral("视图") : QStringLiteral("虚拟表")));
        QSqlQuery query(db);
        // Table names come from the fixed list of the check, never from user input.
        run(query, QStringLiteral("select * from %1 limit 0").arg(table), {});
        QStringList fields;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            fields << record.fieldName(i);
        return fields;
    });
    m_hasCases = held.contains(QStringLiteral("c_case"));
    // The cases are read only when a program is checked: damage to them is found now, not then.
    if (m_hasCases) {
        QSqlQuery check(db);
        run(check, QStringLiteral("pragma quick_check(c_case)"), {});
        if (check.next() && check.value(0).toString() != u"ok")
            throw BankError::damaged(m_path, QStringLiteral("表 c_case 的数据不完整"));
        if (check.lastError().isValid())
            throw failure(check.lastError());
    }
    m_hasFaults = held.contains(QStringLiteral("c_fault"));
}

void SqliteBank::run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    m_clock.start();
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

RecordSet SqliteBank::question(const QuestionRef &question)
{
    if (!BankSchema::isQuestionTable(question.table))
        return {};
    const QString key = BankSchema::fields(question.table).first();
    return select(QStringLiteral("select %1 from %2 where %2.%3 = ?").arg(allColumns(question.table), question.table, key),
                  {question.id});
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

int SqliteBank::faults(const QString &table, int taskId)
{
    if (!m_hasFaults)
        return 0;
    const RecordSet rows = select(QStringLiteral("select faults from c_fault where task_table = ? and task_id = ?"), {table, taskId});
    return rows.isEmpty() ? 0 : rows.first().text(QStringLiteral("faults")).toInt();
}
