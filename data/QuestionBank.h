#pragma once

#include "data/Record.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The kinds of question, in the order of the tabs.
enum class QuestionKind { Choice = 1, Blank = 2, Err = 3, Pro = 4 };

// The kind as the tabs name it: 选择题, 填空题, 改错题, 编程题.
inline QString kindName(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::Choice: return QStringLiteral("选择题");
    case QuestionKind::Blank: return QStringLiteral("填空题");
    case QuestionKind::Err: return QStringLiteral("改错题");
    case QuestionKind::Pro: return QStringLiteral("编程题");
    }
    return {};
}

// A question of the bank by where it lives: its table (c_test or c_excer) and its key there.
struct QuestionRef
{
    QString table;
    int id = 0;
    friend bool operator==(const QuestionRef &, const QuestionRef &) = default;
};

// Questions picked one by one rather than by test set or chapter (the notebook's), by kind, in
// the order they are asked.
class QuestionPick
{
    // The list of a kind, of a pick or of a const one.
    template <class Pick>
    static auto &listOf(Pick &pick, QuestionKind kind)
    {
        switch (kind) {
        case QuestionKind::Blank: return pick.blank;
        case QuestionKind::Err: return pick.err;
        case QuestionKind::Pro: return pick.pro;
        case QuestionKind::Choice: break;
        }
        return pick.choice;
    }

public:
    QList<QuestionRef> choice, blank, err, pro;

    QList<QuestionRef> &of(QuestionKind kind) { return listOf(*this, kind); }
    const QList<QuestionRef> &of(QuestionKind kind) const { return listOf(*this, kind); }
    qsizetype size() const { return choice.size() + blank.size() + err.size() + pro.size(); }
    bool isEmpty() const { return size() == 0; }
};

// Why a text field cannot be shown.
enum class TextFault { Binary, Encoding };

// One row as the start-up check reads it (see checkRows).
struct CheckedRow
{
    Record values;
    QHash<QString, TextFault> faults; // only the text fields that cannot be shown
};

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
    // What the chapter and algorithm lists show: only the fields id and title, by id. The study
    // texts stay unread until one is chosen.
    virtual RecordSet chapterList() = 0;
    virtual RecordSet algorithmList() = 0;
    virtual RecordSet testQuestions(QuestionKind kind, int group) = 0;              // c_test, by id
    virtual RecordSet exerciseQuestions(QuestionKind kind, const QString &chapterId) = 0; // c_excer, by id_test
    // The row of one question; none when its table (c_test or c_excer) holds no such key, or when
    // it names another table: a reference may come from the learning record, the user's own file.
    virtual RecordSet question(const QuestionRef &question) = 0;

    // Every row of a table in the order of its key, for the start-up check: the fields of values
    // as the queries read them, and the faults of the fields of texts. Fields of longTexts (the
    // study texts, which may be megabytes long) are only looked at for holding binary data; their
    // content is not read.
    virtual QList<CheckedRow> checkRows(const QString &table, const QStringList &values, const QStringList &texts,
                                        const QStringList &longTexts) = 0;
    // The cases a program task is checked on (c_case of the task in table c_test or c_excer), by
    // case_no; none when the bank has no cases at all.
    virtual RecordSet cases(const QString &table, int taskId) = 0;
    // How many lines of a correction task (in table c_test or c_excer) are wrong; 0 when the bank
    // does not say.
    virtual int faults(const QString &table, int taskId) = 0;
};
