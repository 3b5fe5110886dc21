#include "banktool/ExplainedKey.h"

#include "banktool/Language.h"

#include <QRegularExpression>

namespace {

void checkSet(const QuestionSet &set, QStringList &faults)
{
    for (const ChoiceQuestion &q : set.choice) {
        for (const QString &letter : ExplainedKey::claimed(q.explain)) {
            if (letter != q.answer)
                faults << QStringLiteral("%1: %2").arg(q.answerPlace.where(),
                                                       localized(u"解析说应选 %1，答案却是 %2", u"the explanation says %1 is right, but the key is %2")
                                                           .arg(letter, q.answer));
        }
    }
}

}

QStringList ExplainedKey::claimed(const QString &explain)
{
    // "选 B" counts where the sentence ends there ("…，选 B。"), not where it goes on to say why B
    // tempts ("选 B 是把……") nor after 误/若/错/不; "答案为 B", "B 正确", "B 项是正确" always count.
    static const QRegularExpression claim(
        QStringLiteral("(?<![误若错不会])选\\s*([A-D])\\s*(?=[。．.；;，,）)！!]|$)"
                       "|答案(?:为|是|应为|应是|应该是)?\\s*([A-D])(?![A-Za-z])"
                       "|(?<![A-Za-z])([A-D])\\s*(?:项|选项)?\\s*(?:是|才是)?正确"),
        QRegularExpression::MultilineOption);
    QStringList letters;
    for (auto it = claim.globalMatch(explain); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        for (int group = 1; group <= 3; ++group) {
            const QString letter = m.captured(group);
            if (!letter.isEmpty() && !letters.contains(letter))
                letters << letter;
        }
    }
    return letters;
}

QStringList ExplainedKey::faults(const BankSource &bank)
{
    QStringList found;
    for (const ChapterSource &c : bank.chapters)
        checkSet(c.exercise, found);
    for (const TestSetSource &t : bank.testSets)
        checkSet(t.questions, found);
    return found;
}
