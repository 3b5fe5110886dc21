#include "support/JetCopy.h"

#include "support/TestBank.h"

#include "data/BankSchema.h"

#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

const QString kNull = QStringLiteral("<NULL>");

void run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qFatal("%s %s failed: %s", qPrintable(program), qPrintable(arguments.join(u' ')),
               process.readAllStandardError().constData());
    if (output)
        *output = process.readAllStandardOutput();
}

// One line of mdb-export's CSV with C-style escapes (-e): quoted texts, doubled quotes.
QStringList csvFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            field += u'"';
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (quoted && c == u'\\' && i + 1 < line.size()) {
            const QChar next = line[++i];
            field += next == u'n' ? u'\n' : next == u'r' ? u'\r' : next == u't' ? u'\t' : next;
        } else if (!quoted && c == u',') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return fields << field;
}

// The table's rows as mdb-export shows them: NULL and an empty text alike are NULL.
QList<QStringList> sourceRows(const QString &connection, const QString &table)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.exec(QStringLiteral("select * from \"%1\" order by rowid").arg(table));
    QList<QStringList> rows;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << (query.value(i).isNull() || query.value(i).toString().isEmpty() ? kNull : query.value(i).toString());
        rows << row;
    }
    return rows;
}

QList<QStringList> exportedRows(const QString &mdb, const QString &table)
{
    QByteArray output;
    run(QStringLiteral(ZQ_MDB_EXPORT), {QStringLiteral("-H"), QStringLiteral("-e"), QStringLiteral("-0"), kNull, mdb, table},
        &output);
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts)) {
        QStringList row = csvFields(line);
        for (QString &field : row)
            field = field.isEmpty() ? kNull : field;
        rows << row;
    }
    return rows;
}

void crossCheck(const TestBank &bank, const QString &mdb, const JetOptions &options)
{
    const QString connection = QStringLiteral("jet-cross-check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(bank.path());
        db.open();
        QSqlQuery tables(db);
        tables.exec(QStringLiteral("select name from sqlite_master where type = 'table' order by rowid"));
        while (tables.next()) {
            const QString table = tables.value(0).toString();
            QList<QStringList> expected = sourceRows(connection, table);
            QList<QStringList> exported = exportedRows(mdb, table);
            // libmdb 1.0.0 hands out deleted rows and skips rows on overflow pages.
            if (table == options.deletedRowIn && exported.size() == expected.size() + 1)
                exported.removeFirst();
            if (table == options.overflowRowIn && exported.size() + 1 == expected.size())
                expected.removeLast();
            if (exported != expected)
                qFatal("jetwriter: mdb-export reads table %s of %s otherwise than the bank holds it",
                       qPrintable(table), qPrintable(mdb));
        }
    }
    QSqlDatabase::removeDatabase(connection);
}

}

QString writeJetCopy(const TestBank &bank, const JetOptions &options)
{
    const QString mdb = QFileInfo(bank.path()).dir().filePath(QStringLiteral("c_qiyuan.mdb"));
    QStringList arguments = {QStringLiteral(ZQ_JET_WRITER), bank.path(), mdb, QStringLiteral("--password"), options.password};
    if (options.compress)
        arguments << QStringLiteral("--compress");
    if (!options.deletedRowIn.isEmpty())
        arguments << QStringLiteral("--deleted-row") << options.deletedRowIn;
    if (!options.overflowRowIn.isEmpty())
        arguments << QStringLiteral("--overflow-row") << options.overflowRowIn;
    run(QStringLiteral(ZQ_PYTHON), arguments);
    crossCheck(bank, mdb, options);
    return mdb;
}

void writeJet3Header(const QString &path, const QString &password)
{
    run(QStringLiteral(ZQ_PYTHON), {QStringLiteral(ZQ_JET_WRITER), QStringLiteral("--jet3-header"), path,
                                    QStringLiteral("--password"), password});
}

int jetDefinitionPage(const QString &table)
{
    const QList<BankSchema::Table> &tables = BankSchema::tables();
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (tables[i].name == table)
            return 3 + int(i);
    }
    qFatal("no bank table %s", qPrintable(table));
}
