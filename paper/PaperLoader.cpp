#include "paper/PaperLoader.h"

#include "data/BankError.h"
#include "data/RowRules.h"
#include "workfiles/TaskFiles.h"

namespace {

const QString kPrefixes[4] = {QStringLiteral("[A] "), QStringLiteral("[B] "), QStringLiteral("[C] "),
                              QStringLiteral("[D] ")};

JudgeCase judgeCase(const Record &row)
{
    JudgeCase c;
    c.number = row.text(QStringLiteral("case_no")).toInt();
    c.hidden = row.text(QStringLiteral("hidden")).toInt() != 0;
    c.description = row.text(QStringLiteral("about"));
    c.input = row.text(QStringLiteral("input"));
    c.data = row.text(QStringLiteral("data"));
    c.expected = row.text(QStringLiteral("output"));
    return c;
}

}

const QuestionTable QuestionTable::test{
    QStringLiteral("c_test"), QStringLiteral("id"),
    {QStringLiteral("ch1"), QStringLiteral("ch2"), QStringLiteral("ch3"), QStringLiteral("ch4")}, QStringLiteral("ch_answer")};
const QuestionTable QuestionTable::exercise{
    QStringLiteral("c_excer"), QStringLiteral("id_test"),
    {QStringLiteral("ch_1"), QStringLiteral("ch_2"), QStringLiteral("ch_3"), QStringLiteral("ch_4")}, QStringLiteral("answer")};

const QuestionTable *QuestionTable::named(const QString &name)
{
    for (const QuestionTable *table : {&test, &exercise})
        if (table->name == name)
            return table;
    return nullptr;
}

PaperLoader::PaperLoader(Paper &paper, QString folder, QuestionBank *bank, Rows rows)
    : m_paper(paper), m_folder(std::move(folder)), m_bank(bank), m_rows(std::move(rows))
{
}

QList<PaperLoader::Row> PaperLoader::ofTable(const QuestionTable &table, const RecordSet &rows)
{
    QList<Row> marked;
    marked.reserve(rows.size());
    for (const Record &row : rows)
        marked.append({&table, row});
    return marked;
}

void PaperLoader::startAtFirst()
{
    m_paper.ch.current = 1;
    m_paper.blank.current = 1;
    m_paper.err.current = 1;
    m_paper.pro.current = 1;
}

QList<PaperLoader::Row> PaperLoader::fetch(QuestionKind kind, int capacity)
{
    if (!m_bank)
        throw BankError(QStringLiteral("题库没有打开。"));
    QList<Row> rows = m_rows(*m_bank, kind);
    if (rows.size() > capacity) {
        m_cuts.append({kind, rows.size(), capacity});
        rows.resize(capacity);
    }
    return rows;
}

void PaperLoader::loadChoices()
{
    ChoiceSection &ch = m_paper.ch;
    const QList<Row> rows = fetch(QuestionKind::Choice, ChoiceSection::capacity);
    ch.count = int(rows.size());
    for (int i = 1; i <= ch.count; ++i) {
        const QuestionTable &table = *rows[i - 1].table;
        const Record &row = rows[i - 1].fields;
        ChoiceQuestion &q = ch(i);
        q.bankTable = table.name;
        q.bankId = row.text(table.idField).toInt();
        q.title = row.text(QStringLiteral("title"));
        for (int k = 1; k <= 4; ++k)
            q.option(k) = kPrefixes[k - 1] + row.text(table.optionFields[k - 1]);
        q.explain = row.text(QStringLiteral("explain"));
        // A key that is no option stays as stored: the start-up check has named it, and the
        // review shows it as the bank holds it rather than losing the question.
        q.answer = RowRules::answerKey(row, table.answerField);
    }
}

ProgramSection &PaperLoader::section(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::Blank: return m_paper.blank;
    case QuestionKind::Err: return m_paper.err;
    default: return m_paper.pro;
    }
}

void PaperLoader::loadTasks(QuestionKind kind)
{
    ProgramSection &s = section(kind);
    const QList<Row> rows = fetch(kind, s.capacity);
    s.count = int(rows.size());
    for (int i = 1; i <= s.count; ++i) {
        const QuestionTable &table = *rows[i - 1].table;
        const Record &row = rows[i - 1].fields;
        Task &task = s(i);
        task.kind = s.kind;
        task.bankTable = table.name;
        task.bankId = row.text(table.idField).toInt();
        task.title = row.text(QStringLiteral("title"));
        task.explain = row.text(QStringLiteral("explain"));
        task.answer = row.text(QStringLiteral("answer"));
        task.fileName = taskFileName(s.kind, i);
        // A text that cannot be shown is not written either: the file would hold its notice, not a program.
        if (row.actualSize(QStringLiteral("content")) > 0 && row.readable(QStringLiteral("content"))) {
            task.handedOut = row.text(QStringLiteral("content"));
            TaskFiles::write(m_folder, task.fileName, task.handedOut);
        }
        if (kind == QuestionKind::Pro && row.actualSize(QStringLiteral("data_file")) > 0
            && row.readable(QStringLiteral("data_file1"))) {
            task.dataFile = TaskFiles::dataName(i);
            TaskFiles::write(m_folder, task.dataFile, row.text(QStringLiteral("data_file1")));
        }
        for (const Record &c : m_bank->cases(table.name, task.bankId))
            task.cases << judgeCase(c);
        if (task.kind == TaskKind::Correction)
            task.faults = m_bank->faults(table.name, task.bankId);
    }
}

QString PaperLoader::overflowNotice(const QString &setName) const
{
    if (m_cuts.isEmpty())
        return {};
    QStringList lines{QStringLiteral("%1的题目多于本窗口能容纳的数量，以下题型只载入了前面的题目：").arg(setName)};
    for (const Cut &cut : m_cuts)
        lines << QStringLiteral("%1：题库中有%2题，载入了前%3题。").arg(kindName(cut.kind)).arg(cut.rows).arg(cut.kept);
    return lines.join(u'\n');
}
