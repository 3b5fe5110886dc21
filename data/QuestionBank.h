#pragma once

#include "data/Record.h"

#include <QString>

// The kinds of question, in the order of the tabs.
enum class QuestionKind { Choice = 1, Blank = 2, Err = 3, Pro = 4 };

// The read-only question bank. Every query returns its rows in the bank's order; a failure
// throws BankError. A store of another format can stand behind the same interface.
class QuestionBank
{
public:
    virtual ~QuestionBank() = default;

    virtual RecordSet chapters() = 0;                                               // by id
    virtual RecordSet chapter(const QString &id, const QString &title) = 0;
    virtual RecordSet algorithms() = 0;                                             // by id
    virtual RecordSet algorithm(const QString &id) = 0;
    virtual RecordSet testQuestions(QuestionKind kind, int group) = 0;              // c_test, by id
    virtual RecordSet exerciseQuestions(QuestionKind kind, const QString &chapterId) = 0; // c_excer, by id_test
    // The cases a program task is checked on (c_case of the task in table c_test or c_excer), by
    // case_no; none when the bank has no cases at all.
    virtual RecordSet cases(const QString &table, int taskId) = 0;
};
