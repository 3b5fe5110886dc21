// Writes the seed corpus of the Jet store's fuzz target: a small bank with every table, a
// long text over several pages and rows of every kind, written as Jet files by the tests'
// writer in each of its forms.
//
//   make_jet_seeds PYTHON JETWRITER FOLDER

#include "data/BankSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void insert(QSqlDatabase &db, const QString &table, const QVariantMap &row)
{
    QSqlQuery query(db);
    query.prepare(BankSchema::insertStatement(table));
    for (const QString &field : BankSchema::fields(table))
        query.addBindValue(row.value(field, QString()));
    if (!query.exec())
        qFatal("seed bank: %s", qPrintable(query.lastError().text()));
}

void writeSource(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seed"));
    db.setDatabaseName(path);
    if (!db.open())
        qFatal("seed bank: %s", qPrintable(db.lastError().text()));
    for (const QString &sql : BankSchema::createStatements())
        QSqlQuery(db).exec(sql);
    insert(db, "chapter", {{"id", "01"}, {"title", "概述"}, {"content", QStringLiteral("{\\rtf1 第一章 C 语言概述\\par}")}});
    insert(db, "chapter", {{"id", "02"}, {"title", "数据类型"}, {"content", QString(3000, u'长')}});
    insert(db, "jdsf", {{"id", "01"}, {"title", "冒泡排序"}, {"content", "sort"}});
    insert(db, "c_test", {{"id", 1}, {"type", "1"}, {"group_id", 1}, {"title", "选择题"}, {"ch1", "A"}, {"ch2", "B"},
                          {"ch3", "C"}, {"ch4", "D"}, {"ch_answer", "B"}, {"explain", "解析"}});
    insert(db, "c_test", {{"id", 2}, {"type", "2"}, {"group_id", 1}, {"title", "填空题"}, {"content", "int main(){}"}});
    insert(db, "c_test", {{"id", 3}, {"type", "3"}, {"group_id", 1}, {"title", "改错题"}, {"content", "mian"}});
    insert(db, "c_test", {{"id", 4}, {"type", "4"}, {"group_id", 1}, {"title", "编程题"}, {"data_file", "in.txt"},
                          {"data_file1", "1 2"}});
    insert(db, "c_excer", {{"id_test", 5}, {"type", "01"}, {"c_id", "01"}, {"title", "练习"}, {"ch_1", "a"}, {"ch_2", "b"},
                           {"ch_3", "c"}, {"ch_4", "d"}, {"answer", "A"}});
    insert(db, "c_excer", {{"id_test", 8}, {"type", "04"}, {"c_id", "01"}, {"title", "练习编程"}});
    insert(db, "c_case", {{"task_table", "c_test"}, {"task_id", 4}, {"case_no", 1}, {"input", "1 2"}, {"output", "3"},
                          {"hidden", 0}, {"data", QVariant()}});
    insert(db, "c_case", {{"task_table", "c_excer"}, {"task_id", 8}, {"case_no", 1}, {"input", ""}, {"output", "ok"},
                          {"hidden", 1}, {"about", "边界"}});
    db.close();
}

void run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qFatal("%s %s failed", qPrintable(program), qPrintable(arguments.join(u' ')));
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: make_jet_seeds PYTHON JETWRITER FOLDER\n");
        return 2;
    }
    const QString python = args[1], writer = args[2];
    const QDir corpus(args[3]);
    QDir().mkpath(corpus.path());
    QTemporaryDir work;
    const QString source = work.filePath(QStringLiteral("bank.db"));
    writeSource(source);

    const QList<QPair<QString, QStringList>> forms = {
        {"plain.mdb", {}},
        {"compressed.mdb", {"--compress"}},
        {"no_password.mdb", {"--password", ""}},
        {"deleted_row.mdb", {"--deleted-row", "c_case"}},
        {"overflow_row.mdb", {"--overflow-row", "c_test"}},
    };
    for (const auto &[name, options] : forms)
        run(python, QStringList{writer, source, corpus.filePath(name)} + options);
    run(python, {writer, "--jet3-header", corpus.filePath("jet3_header.mdb")});
    return 0;
}
