#include "BigBank.h"

#include "data/BankSchema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

constexpr int kKeySpan = 1000000; // the key of a question's copy k is its own plus k times this

void exec(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
}

QStringList column(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    QStringList values;
    while (query.next())
        values << query.value(0).toString();
    return values;
}

// The fields of a table, those in `changed` replaced by their expressions.
QString selectList(const QString &table, const QString &alias, const QHash<QString, QString> &changed)
{
    QStringList list;
    for (const QString &field : BankSchema::fields(table))
        list << changed.value(field, alias + u'.' + field);
    return list.join(QStringLiteral(", "));
}

// A distinct two-character id for every chapter or algorithm of every copy.
QString copyId(int n)
{
    return QString(QChar(0x4E00 + n / 200)) + QChar(0x4E00 + n % 200);
}

}

void BigBank::make(const QString &source, const QString &target, int copies, bool indexed)
{
    const QString connection = QStringLiteral("big-bank");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(target);
        if (!db.open())
            qFatal("cannot create %s", qPrintable(target));
        exec(db, QStringLiteral("attach database '%1' as src").arg(source));
        exec(db, QStringLiteral("begin"));
        for (const QString &sql : BankSchema::createStatements()) {
            if (indexed || !sql.startsWith(QStringLiteral("create index")))
                exec(db, sql);
        }
        exec(db, QStringLiteral("create temp table copies (k integer primary key)"));
        for (int k = 0; k < copies; ++k)
            exec(db, QStringLiteral("insert into copies values (%1)").arg(k));
        int n = 0;
        for (const QString &table : {QStringLiteral("chapter"), QStringLiteral("jdsf")}) {
            exec(db, QStringLiteral("create temp table %1_ids (k integer, old text, new text)").arg(table));
            const QStringList ids = column(db, QStringLiteral("select id from src.%1 order by id").arg(table));
            for (int k = 0; k < copies; ++k) {
                for (const QString &id : ids)
                    exec(db, QStringLiteral("insert into %1_ids values (%2, '%3', '%4')").arg(table).arg(k).arg(id, copyId(n++)));
            }
            exec(db, QStringLiteral("insert into %1 select %2 from src.%1 t join %1_ids m on m.old = t.id")
                         .arg(table, selectList(table, QStringLiteral("t"), {{"id", "m.new"}})));
        }
        const auto key = [](const char *field) { return QStringLiteral("%1 + c.k * %2").arg(QLatin1String(field)).arg(kKeySpan); };
        exec(db, QStringLiteral("insert into c_test select %1 from src.c_test t, copies c")
                     .arg(selectList(QStringLiteral("c_test"), QStringLiteral("t"),
                                     {{"id", key("t.id")}, {"group_id", QStringLiteral("t.group_id + 5 * c.k")}})));
        exec(db, QStringLiteral("insert into c_excer select %1 from src.c_excer t join chapter_ids c on c.old = t.c_id")
                     .arg(selectList(QStringLiteral("c_excer"), QStringLiteral("t"), {{"id_test", key("t.id_test")}, {"c_id", "c.new"}})));
        exec(db, QStringLiteral("insert into c_case select %1 from src.c_case t, copies c")
                     .arg(selectList(QStringLiteral("c_case"), QStringLiteral("t"), {{"task_id", key("t.task_id")}})));
        exec(db, QStringLiteral("commit"));
        exec(db, QStringLiteral("detach database src"));
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}
