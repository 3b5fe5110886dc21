#include "banktool/KeyBalance.h"

#include "banktool/Language.h"

#include <array>

namespace KeyBalance {

namespace {

constexpr int kUnitSize = 10;
constexpr int kFewest = 2, kMost = 3;   // times a letter is the key in a unit
constexpr int kLongestRun = 3;
constexpr int kLowestShare = 22, kHighestShare = 28; // per cent of the whole bank
const QString kLetters = QStringLiteral("ABCD");

struct Unit
{
    SourcePlace place;
    const QList<ChoiceQuestion> *questions;
};

QList<Unit> unitsOf(const BankSource &bank)
{
    QList<Unit> units;
    for (const ChapterSource &c : bank.chapters)
        units << Unit{c.place, &c.exercise.choice};
    for (const TestSetSource &t : bank.testSets)
        units << Unit{t.place, &t.questions.choice};
    return units;
}

std::array<int, 4> countsOf(const QList<ChoiceQuestion> &questions)
{
    std::array<int, 4> counts{};
    for (const ChoiceQuestion &q : questions) {
        const qsizetype letter = kLetters.indexOf(q.answer);
        if (q.answer.size() == 1 && letter >= 0)
            ++counts[size_t(letter)];
    }
    return counts;
}

QString keyOrder(const QList<ChoiceQuestion> &questions)
{
    QString order;
    for (const ChoiceQuestion &q : questions)
        order += q.answer.size() == 1 ? q.answer : QStringLiteral("?");
    return order;
}

QString countColumns(const std::array<int, 4> &counts)
{
    QString columns;
    for (int n : counts)
        columns += QStringLiteral("%1").arg(n, 4);
    return columns;
}

void unitFaults(const Unit &unit, QStringList &faults)
{
    const QList<ChoiceQuestion> &questions = *unit.questions;
    const SourcePlace place = questions.isEmpty() ? unit.place : questions.first().place;
    if (questions.size() != kUnitSize) {
        faults << QStringLiteral("%1: %2").arg(place.where(),
                                               localized(u"这一单元有 %1 道选择题，应当恰好 %2 道", u"the unit has %1 choice questions; it must have exactly %2")
                                                   .arg(questions.size()).arg(kUnitSize));
        return;
    }
    const std::array<int, 4> counts = countsOf(questions);
    for (int i = 0; i < 4; ++i) {
        if (counts[size_t(i)] < kFewest || counts[size_t(i)] > kMost)
            faults << QStringLiteral("%1: %2").arg(place.where(),
                                                   localized(u"这一单元中 %1 是 %2 道题的答案，每个字母应当是 %3 或 %4 道题的答案（答案依次为 %5）",
                                                             u"%1 is the key of %2 questions in this unit; each letter must be the key of %3 or %4 (the keys in order: %5)")
                                                       .arg(kLetters[i]).arg(counts[size_t(i)]).arg(kFewest).arg(kMost).arg(keyOrder(questions)));
    }
    int run = 0;
    for (qsizetype i = 0; i < questions.size(); ++i) {
        run = i > 0 && questions[i].answer == questions[i - 1].answer ? run + 1 : 1;
        if (run == kLongestRun + 1)
            faults << QStringLiteral("%1: %2").arg(questions[i].answerPlace.where(),
                                                   localized(u"连续 %1 道题的答案都是 %2：连续相同的答案最多 %3 道",
                                                             u"%1 equal keys %2 in a row: at most %3 may follow each other")
                                                       .arg(run).arg(questions[i].answer).arg(kLongestRun));
    }
}

}

QString report(const BankSource &bank)
{
    QStringList lines{localized(u"选择题答案分布                A   B   C   D  答案顺序", u"Keys of the choice questions    A   B   C   D  keys in order")};
    std::array<int, 4> total{};
    int questions = 0;
    for (const Unit &unit : unitsOf(bank)) {
        const std::array<int, 4> counts = countsOf(*unit.questions);
        for (size_t i = 0; i < 4; ++i)
            total[i] += counts[i];
        questions += int(unit.questions->size());
        lines << QStringLiteral("  %1%2  %3").arg(unit.place.file, -28).arg(countColumns(counts), keyOrder(*unit.questions));
    }
    QString shares;
    for (int n : total)
        shares += QStringLiteral(" %1%").arg(questions ? qRound(100.0 * n / questions) : 0);
    lines << QStringLiteral("  %1%2 %3").arg(localized(u"全部 %1 题", u"all %1 questions").arg(questions), -28).arg(countColumns(total), shares);
    return lines.join(u'\n');
}

QStringList faults(const BankSource &bank)
{
    QStringList found;
    std::array<int, 4> total{};
    int questions = 0;
    for (const Unit &unit : unitsOf(bank)) {
        unitFaults(unit, found);
        const std::array<int, 4> counts = countsOf(*unit.questions);
        for (size_t i = 0; i < 4; ++i)
            total[i] += counts[i];
        questions += int(unit.questions->size());
    }
    if (questions == 0)
        return found;
    for (int i = 0; i < 4; ++i) {
        const double share = 100.0 * total[size_t(i)] / questions;
        if (share < kLowestShare || share > kHighestShare)
            found << localized(u"全库：%1 是 %2 道选择题中 %3 道的答案（%4%），应在 %5%–%6% 之间",
                               u"whole bank: %1 is the key of %3 of %2 choice questions (%4 %); it must be %5-%6 %")
                         .arg(kLetters[i]).arg(questions).arg(total[size_t(i)]).arg(share, 0, 'f', 1).arg(kLowestShare).arg(kHighestShare);
    }
    return found;
}

}
