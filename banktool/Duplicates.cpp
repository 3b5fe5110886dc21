#include "banktool/Duplicates.h"

#include "banktool/Language.h"
#include "banktool/ProgramCheck.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace Duplicates {

namespace {

struct Item
{
    SourcePlace place;
    QString exact; // the normalised text
    QString near;  // ... with numbers replaced
    QString code;  // the code in a choice question's title, numbers replaced; empty when short
};

constexpr int kShortestCode = 30;

QString withoutBlanks(const QString &text)
{
    QString kept;
    for (const QChar c : text.normalized(QString::NormalizationForm_KC)) {
        if (!c.isSpace())
            kept += c;
    }
    return kept;
}

QString numbersMasked(QString text)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    return text.replace(number, QStringLiteral("#"));
}

Item itemOf(const SourcePlace &place, const QString &title, const QStringList &options)
{
    QStringList exactOptions, nearOptions;
    for (const QString &o : options) {
        exactOptions << withoutBlanks(o);
        nearOptions << numbersMasked(exactOptions.back());
    }
    std::sort(exactOptions.begin(), exactOptions.end());
    std::sort(nearOptions.begin(), nearOptions.end());
    const QString text = withoutBlanks(title);
    QString code;
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            code += c;
    }
    code = numbersMasked(code);
    if (options.isEmpty() || code.size() < kShortestCode)
        code.clear();
    const QChar separator(0x1f);
    return {place, text + separator + exactOptions.join(separator),
            numbersMasked(text) + separator + nearOptions.join(separator), code};
}

// Reports each item that repeats an earlier one, against the first of its kind.
void compare(const QList<Item> &items, const QString &exactMessage, const QString &nearMessage, const QString &codeMessage,
             QStringList &errors, QStringList &warnings)
{
    QHash<QString, SourcePlace> exactSeen, nearSeen, codeSeen;
    for (const Item &item : items) {
        if (exactSeen.contains(item.exact)) {
            errors << QStringLiteral("%1: %2").arg(item.place.where(), exactMessage.arg(exactSeen[item.exact].where()));
            continue;
        }
        exactSeen.insert(item.exact, item.place);
        if (nearSeen.contains(item.near))
            warnings << QStringLiteral("%1: %2").arg(item.place.where(), nearMessage.arg(nearSeen[item.near].where()));
        else if (!item.code.isEmpty() && codeSeen.contains(item.code))
            warnings << QStringLiteral("%1: %2").arg(item.place.where(), codeMessage.arg(codeSeen[item.code].where()));
        if (!nearSeen.contains(item.near))
            nearSeen.insert(item.near, item.place);
        if (!item.code.isEmpty() && !codeSeen.contains(item.code))
            codeSeen.insert(item.code, item.place);
    }
}

}

void find(const BankSource &bank, QStringList &errors, QStringList &warnings)
{
    QList<Item> choices, tasks;
    auto addSet = [&](const QuestionSet &set) {
        for (const ChoiceQuestion &q : set.choice)
            choices << itemOf(q.place, q.title, q.options);
        for (const ProgramTask &t : set.blank)
            tasks << itemOf(t.place, ProgramCheck::fillBlanks(t.program, t.fills), {});
        for (const ProgramTask &t : set.err)
            tasks << itemOf(t.place, t.corrected, {});
        for (const ProgramTask &t : set.pro)
            tasks << itemOf(t.place, t.answer, {});
    };
    for (const ChapterSource &c : bank.chapters)
        addSet(c.exercise);
    for (const TestSetSource &t : bank.testSets)
        addSet(t.questions);
    compare(choices, localized(u"这道选择题与 %1 的重复（题目和选项都相同）", u"this choice question repeats the one at %1 (same title and options)"),
            localized(u"这道选择题与 %1 的几乎相同（只有数字不同）", u"this choice question is nearly the one at %1 (only numbers differ)"),
            localized(u"这道选择题考的代码与 %1 的相同（只是问法或选项不同）", u"this choice question asks about the same code as the one at %1 (in other words or with other options)"),
            errors, warnings);
    compare(tasks, localized(u"这道题的程序与 %1 的重复", u"this task's program repeats the one at %1"),
            localized(u"这道题的程序与 %1 的几乎相同（只有数字不同）", u"this task's program is nearly the one at %1 (only numbers differ)"),
            {}, errors, warnings);
}

}
