#include "data/SqliteBank.h"

#include "data/BankCheck.h"
#include "data/BankError.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

int s_connections = 0;

}

SqliteBank::SqliteBank(const QString &path) : m_path(path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw BankError(QStringLiteral("找不到题库文件 %1").arg(QDir::toNativeSeparators(path)));
    if (!info.isReadable())
        throw BankError(QStringLiteral("无法读取题库文件 %1").arg(QDir::toNativeSeparators(path)));

    m_connectionName = QStringLiteral("zq-bank-%1").arg(++s_connections);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    // The program never writes its bank; it must also work from a read-only folder.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        const QString cause = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw BankError(QStringLiteral("无法打开题库文件 %1：%2").arg(QDir::toNativeSeparators(path), cause));
    }
    try {
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

void SqliteBank::checkSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    const QStringList held = BankCheck::requireTables(m_path, [&db](const QString &table, QString &cause) -> std::optional<QStringList> {
        QSqlQuery query(db);
        // Table names come from the fixed list of the check, never from user input.
        if (!query.exec(QStringLiteral("select * from %1 limit 0").arg(table))) {
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

RecordSet SqliteBank::select(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw BankError(QStringLiteral("题库查询失败：%1").arg(query.lastError().text()));
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw BankError(QStringLiteral("题库查询失败：%1").arg(query.lastError().text()));

    RecordSet rows;
    while (query.next()) {
        const QSqlRecord r = query.record();
        QVariantMap fields;
        for (int i = 0; i < r.count(); ++i)
            fields.insert(r.fieldName(i), r.value(i));
        rows.append(Record(std::move(fields)));
    }
    if (query.lastError().isValid())
        throw BankError(QStringLiteral("题库查询失败：%1").arg(query.lastError().text()));
    return rows;
}

RecordSet SqliteBank::chapters()
{
    return select(QStringLiteral("select * from chapter order by id"), {});
}

RecordSet SqliteBank::chapter(const QString &id, const QString &title)
{
    return select(QStringLiteral("select * from chapter where id = ? and title = ?"), {id, title});
}

RecordSet SqliteBank::algorithms()
{
    return select(QStringLiteral("select * from jdsf order by id"), {});
}

RecordSet SqliteBank::algorithm(const QString &id)
{
    return select(QStringLiteral("select * from jdsf where id = ?"), {id});
}

RecordSet SqliteBank::testQuestions(QuestionKind kind, int group)
{
    return select(QStringLiteral("select * from c_test where type = ? and group_id = ? order by id"),
                  {QString::number(int(kind)), group});
}

RecordSet SqliteBank::exerciseQuestions(QuestionKind kind, const QString &chapterId)
{
    return select(QStringLiteral("select * from c_excer where type = ? and c_id = ? order by id_test"),
                  {QStringLiteral("0%1").arg(int(kind)), chapterId});
}

RecordSet SqliteBank::cases(const QString &table, int taskId)
{
    if (!m_hasCases)
        return {};
    return select(QStringLiteral("select * from c_case where task_table = ? and task_id = ? order by case_no"), {table, taskId});
}
