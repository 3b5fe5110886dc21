#include "data/RowCheck.h"

#include "data/RowRules.h"

namespace {

constexpr int kListed = 20;

struct QuestionTable
{
    QString name;
    QString key;
    QStringList types;        // the kinds' codes, choice first
    QString choiceAnswer;     // the correct option of a choice row
    QStringList choiceTexts;  // what a choice row shows
    QStringList taskTexts;    // what a program task shows or writes
};

const QuestionTable kQuestionTables[] = {
    {QStringLiteral("c_test"), QStringLiteral("id"), {"1", "2", "3", "4"}, QStringLiteral("ch_answer"),
     {"title", "ch1", "ch2", "ch3", "ch4", "explain"},
     {"title", "answer", "explain", "content", "data_file", "data_file1"}},
    {QStringLiteral("c_excer"), QStringLiteral("id_test"), {"01", "02", "03", "04"}, QStringLiteral("answer"),
     {"title", "ch_1", "ch_2", "ch_3", "ch_4", "explain"},
     {"title", "answer", "explain", "content", "data_file", "data_file1"}},
};

QString keyText(const Record &row, const QString &key)
{
    return row.isNull(key) ? QStringLiteral("（空）") : row.text(key);
}

QString textReason(TextFault fault)
{
    return fault == TextFault::Binary ? QStringLiteral("是二进制数据，无法显示") : QStringLiteral("不是 UTF-8 编码的文字，无法显示");
}

QString typeFault(const Record &row, const QStringList &types)
{
    const QString type = QStringLiteral("type");
    if (row.isNull(type))
        return QStringLiteral("题型为空");
    if (!row.readable(type))
        return QStringLiteral("题型是二进制数据");
    if (!types.contains(row.text(type)))
        return QStringLiteral("题型“%1”不是 %2 之一").arg(row.text(type), types.join(QStringLiteral("、")));
    return {};
}

class Check
{
public:
    explicit Check(QuestionBank &bank) : m_bank(bank) {}

    void listTable(const QString &table)
    {
        const QString title = QStringLiteral("title"), content = QStringLiteral("content");
        for (const CheckedRow &row : m_bank.checkRows(table, {QStringLiteral("id")}, {title}, {content})) {
            const QString id = keyText(row.values, QStringLiteral("id"));
            add(table, id, QStringLiteral("id"), RowRules::idFault(row.values));
            textFaults(table, id, row, {title, content});
        }
    }

    void questionTable(const QuestionTable &t)
    {
        QStringList texts = t.choiceTexts + t.taskTexts;
        texts.removeDuplicates();
        const QStringList values = {t.key, QStringLiteral("type"), t.choiceAnswer};
        for (const CheckedRow &row : m_bank.checkRows(t.name, values, texts, {})) {
            const QString id = keyText(row.values, t.key);
            const QString wrongType = typeFault(row.values, t.types);
            add(t.name, id, QStringLiteral("type"), wrongType);
            if (!wrongType.isEmpty())
                continue; // no window shows it, whatever it holds
            if (row.values.text(QStringLiteral("type")) == t.types.first()) {
                add(t.name, id, t.choiceAnswer, RowRules::answerFault(row.values, t.choiceAnswer));
                textFaults(t.name, id, row, t.choiceTexts);
            } else {
                textFaults(t.name, id, row, t.taskTexts);
            }
        }
    }

    QList<RowFault> faults;

private:
    void add(const QString &table, const QString &id, const QString &field, const QString &reason)
    {
        if (!reason.isEmpty())
            faults.append({table, id, field, reason});
    }

    void textFaults(const QString &table, const QString &id, const CheckedRow &row, const QStringList &fields)
    {
        for (const QString &field : fields) {
            const auto fault = row.faults.constFind(field);
            if (fault != row.faults.cend())
                add(table, id, field, textReason(*fault));
        }
    }

    QuestionBank &m_bank;
};

}

QString RowFault::line() const
{
    return QStringLiteral("%1 %2: %3: %4").arg(table, id, field, reason);
}

QList<RowFault> RowCheck::run(QuestionBank &bank)
{
    Check check(bank);
    check.listTable(QStringLiteral("chapter"));
    check.listTable(QStringLiteral("jdsf"));
    for (const QuestionTable &t : kQuestionTables)
        check.questionTable(t);
    return check.faults;
}

QString RowCheck::notice(const QList<RowFault> &faults)
{
    if (faults.isEmpty())
        return {};
    QStringList lines = {QStringLiteral("题库中有 %1 处数据有问题：").arg(faults.size())};
    for (qsizetype i = 0; i < std::min<qsizetype>(faults.size(), kListed); ++i)
        lines << faults[i].line();
    if (faults.size() > kListed)
        lines << QStringLiteral("……另有 %1 处没有列出。").arg(faults.size() - kListed);
    lines << QString()
          << QStringLiteral("编号或标题有问题的单元和算法不在列表中；题型不明的题目不会出现在测试和练习中；"
                            "正确答案不是 A、B、C、D 之一的选择题照常出现，回顾时显示题库中的答案；"
                            "无法显示的文字显示为“%1”，也不会写入题目文件。其余内容照常使用。")
                 .arg(Record::unreadableNotice());
    return lines.join(u'\n');
}
