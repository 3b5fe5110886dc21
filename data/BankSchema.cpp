#include "data/BankSchema.h"

namespace {

// Every table and field the windows read. A question row has fields of both kinds: the options
// and answer of a choice question, the program text and data file of a program task.
const QList<BankSchema::Table> kTables = {
    {QStringLiteral("chapter"),
     {{"id", "text primary key"}, {"title", "text"}, {"content", "text"}}, true, {}, {}},
    {QStringLiteral("jdsf"),
     {{"id", "text primary key"}, {"title", "text"}, {"content", "text"}}, true, {}, {}},
    {QStringLiteral("c_test"),
     {{"id", "integer primary key"}, {"type", "text"}, {"group_id", "integer"}, {"title", "text"},
      {"ch1", "text"}, {"ch2", "text"}, {"ch3", "text"}, {"ch4", "text"}, {"ch_answer", "text"},
      {"answer", "text"}, {"explain", "text"}, {"content", "text"}, {"data_file", "text"},
      {"data_file1", "text"}}, true, {},
     // A test set's questions of one kind; the key orders them (an index holds it after its fields).
     {{QStringLiteral("c_test_by_set"), QStringLiteral("group_id, type")}}},
    {QStringLiteral("c_excer"),
     {{"id_test", "integer primary key"}, {"type", "text"}, {"c_id", "text"}, {"title", "text"},
      {"ch_1", "text"}, {"ch_2", "text"}, {"ch_3", "text"}, {"ch_4", "text"}, {"answer", "text"},
      {"explain", "text"}, {"content", "text"}, {"data_file", "text"}, {"data_file1", "text"}}, true, {},
     // A chapter's exercise questions of one kind.
     {{QStringLiteral("c_excer_by_chapter"), QStringLiteral("c_id, type")}}},
    // The runs a student's program is checked on; case 1 is the task's example. A bank without
    // this table still opens: its tasks have no cases. The key finds a task's cases in order.
    {QStringLiteral("c_case"),
     {{"task_table", "text"}, {"task_id", "integer"}, {"case_no", "integer"}, {"input", "text"}, {"data", "text"},
      {"output", "text"}, {"hidden", "integer"}, {"about", "text"}},
     false,
     QStringLiteral("primary key (task_table, task_id, case_no)"),
     {}},
    // How many lines a correction task's faulty program has wrong: a student's file that changes
    // more is refused. A bank without this table has its corrections checked on their cases alone.
    {QStringLiteral("c_fault"),
     {{"task_table", "text"}, {"task_id", "integer"}, {"faults", "integer"}},
     false,
     QStringLiteral("primary key (task_table, task_id)"),
     {}},
};

const BankSchema::Table &table(const QString &name)
{
    for (const BankSchema::Table &t : kTables) {
        if (t.name == name)
            return t;
    }
    qFatal("no bank table %s", qPrintable(name));
}

}

const QList<BankSchema::Table> &BankSchema::tables()
{
    return kTables;
}

QStringList BankSchema::fields(const QString &name)
{
    QStringList names;
    for (const auto &field : table(name).fields)
        names << field.first;
    return names;
}

bool BankSchema::isQuestionTable(const QString &table)
{
    return table == QLatin1String("c_test") || table == QLatin1String("c_excer");
}

QStringList BankSchema::createStatements()
{
    QStringList statements;
    for (const Table &t : kTables) {
        QStringList columns;
        for (const auto &[field, type] : t.fields)
            columns << field + u' ' + type;
        if (!t.constraints.isEmpty())
            columns << t.constraints;
        statements << QStringLiteral("create table %1 (%2)").arg(t.name, columns.join(QStringLiteral(", ")));
    }
    for (const Table &t : kTables) {
        for (const auto &[name, fields] : t.indexes)
            statements << QStringLiteral("create index %1 on %2 (%3)").arg(name, t.name, fields);
    }
    return statements;
}

QString BankSchema::insertStatement(const QString &name)
{
    const QStringList names = fields(name);
    QStringList marks;
    for (qsizetype i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("insert into %1 (%2) values (%3)").arg(name, names.join(u','), marks.join(u','));
}
