#include "data/BankSchema.h"

QStringList BankSchema::createStatements()
{
    return {
        QStringLiteral("create table chapter (id text primary key, title text, content text)"),
        QStringLiteral("create table jdsf (id text primary key, title text, content text)"),
        QStringLiteral("create table c_test (id integer primary key, type text, group_id integer, title text,"
                       " ch1 text, ch2 text, ch3 text, ch4 text, ch_answer text, answer text, explain text,"
                       " content text, data_file text, data_file1 text)"),
        QStringLiteral("create table c_excer (id_test integer primary key, type text, c_id text, title text,"
                       " ch_1 text, ch_2 text, ch_3 text, ch_4 text, answer text, explain text,"
                       " content text, data_file text, data_file1 text)"),
        // The runs a student's program is checked on; case 1 is the task's example. A bank without
        // this table still opens: its tasks have no cases.
        QStringLiteral("create table c_case (task_table text, task_id integer, case_no integer, input text, data text,"
                       " output text, hidden integer, about text, primary key (task_table, task_id, case_no))"),
    };
}
