#include "paper/PaperLoader.h"

#include "data/BankError.h"
#include "data/RowRules.h"
#include "workfiles/CleanUp.h"
#include "workfiles/TaskFiles.h"

namespace {

const QString kPrefixes[4] = {QStringLiteral("[A] "), QStringLiteral("[B] "), QStringLiteral("[C] "),
                              QStringLiteral("[D] ")};

QString kindName(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::Choice: return QStringLiteral("选择题");
    case QuestionKind::Blank: return QStringLiteral("填空题");
    case QuestionKind::Err: return QStringLiteral("改错题");
    case QuestionKind::Pro: return QStringLiteral("编程题");
    }
    return {};
}

QString fileKind(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::Blank: return QStringLiteral("blank");
    case QuestionKind::Err: return QStringLiteral("err");
    default: return QStringLiteral("pro");
    }
}

}

PaperLoader::PaperLoader(Paper &paper, WorkKind kind, QString folder, Source source)
    : m_paper(paper), m_kind(kind), m_folder(std::move(folder)), m_source(std::move(source))
{
}

QuestionBank &PaperLoader::opened(QuestionBank *bank)
{
    if (!bank)
        throw BankError(QStringLiteral("题库没有打开。"));
    return *bank;
}

void PaperLoader::empty()
{
    m_paper.clear();
}

void PaperLoader::clearFolder()
{
    CleanUp::emptyFolderIfAny(m_kind, m_folder, {QStringLiteral("*.c")});
}

void PaperLoader::startAtFirst()
{
    m_paper.ch.current = 1;
    m_paper.blank.current = 1;
    m_paper.err.current = 1;
    m_paper.pro.current = 1;
}

RecordSet PaperLoader::fetch(QuestionKind kind, int capacity)
{
    RecordSet rows = m_source.rows(kind);
    if (rows.size() > capacity) {
        m_cuts.append({kind, rows.size(), capacity});
        rows.resize(capacity);
    }
    return rows;
}

void PaperLoader::loadChoices()
{
    ChoiceSection &ch = m_paper.ch;
    const RecordSet rows = fetch(QuestionKind::Choice, ChoiceSection::capacity);
    ch.count = int(rows.size());
    for (int i = 1; i <= ch.count; ++i) {
        const Record &row = rows[i - 1];
        ch.title(i) = row.text(QStringLiteral("title"));
        for (int k = 1; k <= 4; ++k)
            ch.option(i, k) = kPrefixes[k - 1] + row.text(m_source.optionFields[k - 1]);
        ch.explain(i) = row.text(QStringLiteral("explain"));
        // A key that is no option stays as stored: the start-up check has named it, and the
        // review shows it as the bank holds it rather than losing the question.
        ch.answer(i) = RowRules::answerKey(row, m_source.answerField);
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
    const RecordSet rows = fetch(kind, s.capacity);
    s.count = int(rows.size());
    s.bankTable = m_source.table;
    for (int i = 1; i <= s.count; ++i) {
        const Record &row = rows[i - 1];
        s.bankId(i) = row.text(m_source.idField).toInt();
        s.title(i) = row.text(QStringLiteral("title"));
        s.explain(i) = row.text(QStringLiteral("explain"));
        s.answer(i) = row.text(QStringLiteral("answer"));
        // A text that cannot be shown is not written either: the file would hold its notice, not a program.
        if (row.actualSize(QStringLiteral("content")) > 0 && row.readable(QStringLiteral("content")))
            TaskFiles::write(m_folder, TaskFiles::sourceName(fileKind(kind), i), row.text(QStringLiteral("content")));
        if (kind == QuestionKind::Pro && row.actualSize(QStringLiteral("data_file")) > 0
            && row.readable(QStringLiteral("data_file1"))) {
            s.dataFile(i) = TaskFiles::dataName(i);
            TaskFiles::write(m_folder, s.dataFile(i), row.text(QStringLiteral("data_file1")));
        }
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
