#include "banktool/CourseRules.h"

#include "banktool/Duplicates.h"
#include "banktool/ExplainedKey.h"
#include "banktool/KeyBalance.h"
#include "banktool/Language.h"
#include "banktool/ProgramCheck.h"
#include "banktool/TaskSample.h"

#include <QRegularExpression>

#include <algorithm>

namespace CourseRules {

namespace {

enum class Kind { Blank, Err, Pro };

QString at(const SourcePlace &place, const QString &message) { return QStringLiteral("%1: %2").arg(place.where(), message); }

int chineseCharacters(const QString &text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x4e00 && u <= 0x9fff) || (u >= 0x3400 && u <= 0x4dbf);
    }));
}

QString rightProgram(const ProgramTask &t, Kind kind)
{
    switch (kind) {
    case Kind::Blank:
        return ProgramCheck::fillBlanks(t.program, t.fills);
    case Kind::Err:
        return t.corrected;
    case Kind::Pro:
        break;
    }
    return t.answer;
}

void taskRules(const ProgramTask &t, Kind kind, QStringList &errors)
{
    const bool reads = readsInput(rightProgram(t, kind)) || t.hasData;
    if (kind == Kind::Pro && !reads)
        errors << at(t.place, localized(u"编程题必须读入标准输入或它的数据文件，参考程序却什么也不读",
                                        u"a programming task must read standard input or its data file, but the reference program reads nothing"));
    const auto hidden = std::count_if(t.cases.begin(), t.cases.end(), [](const TaskCase &c) { return c.hidden; });
    if ((kind == Kind::Pro || reads) && hidden < kHiddenCases)
        errors << at(t.place, (kind == Kind::Pro ? localized(u"编程题除样例外至少要有 %1 个隐藏用例（cases），这里有 %2 个",
                                                             u"a programming task needs at least %1 hidden cases beside its example, it has %2")
                                                 : localized(u"读入数据的题除样例外至少要有 %1 个隐藏用例（cases），这里有 %2 个",
                                                             u"a task that reads input needs at least %1 hidden cases beside its example, it has %2"))
                                  .arg(kHiddenCases).arg(hidden));
    for (const TaskCase &c : t.cases) {
        if (c.hidden && c.about.trimmed().isEmpty())
            errors << at(c.place, localized(u"隐藏用例要写 about：没通过它的学生只看得到这句提示（如 输入含负数、只有一个元素、空文件）",
                                            u"a hidden case needs its 'about': the only hint a student whose program fails it gets (e.g. 输入含负数, 只有一个元素, 空文件)"));
    }
    const bool sampleShown = kind == Kind::Pro && TaskSample::hasExample(t);
    if (t.title.contains(QStringLiteral("样例")) && !sampleShown)
        errors << at(t.place, kind == Kind::Pro
                                  ? localized(u"题目提到样例，这道题却没有样例（output 为空）", u"the title mentions 样例, but the task has no example (its output is empty)")
                                  : localized(u"题目提到样例，但只有编程题才显示样例", u"the title mentions 样例, but only programming tasks show one"));
}

void setRules(const QuestionSet &set, QStringList &errors)
{
    for (const ProgramTask &t : set.blank)
        taskRules(t, Kind::Blank, errors);
    for (const ProgramTask &t : set.err)
        taskRules(t, Kind::Err, errors);
    for (const ProgramTask &t : set.pro)
        taskRules(t, Kind::Pro, errors);
}

// A test set is one paper: 3 tasks of each kind.
void testSetSize(const TestSetSource &t, QStringList &errors)
{
    const QList<QPair<QString, qsizetype>> kinds = {
        {QStringLiteral("blank"), t.questions.blank.size()}, {QStringLiteral("err"), t.questions.err.size()}, {QStringLiteral("pro"), t.questions.pro.size()}};
    for (const auto &[key, count] : kinds) {
        if (count != 3)
            errors << at(t.place, localized(u"测试题的 '%1' 有 %2 道题，应当恰好 3 道", u"a test set's '%1' holds %2 tasks; it must hold exactly 3")
                                      .arg(key).arg(count));
    }
}

bool isLegacy(const QuestionSet &set)
{
    const auto legacy = [](const auto &item) { return item.legacy; };
    return std::any_of(set.choice.begin(), set.choice.end(), legacy) || std::any_of(set.blank.begin(), set.blank.end(), legacy)
           || std::any_of(set.err.begin(), set.err.end(), legacy) || std::any_of(set.pro.begin(), set.pro.end(), legacy);
}

// The course the rules are about: what was imported from an old bank is kept as it stood, so a
// chapter, test set or algorithm holding anything imported is left out.
BankSource ownCourse(const BankSource &bank)
{
    BankSource course;
    for (const ChapterSource &c : bank.chapters) {
        if (!c.studyRtf && !isLegacy(c.exercise))
            course.chapters << c;
    }
    for (const TestSetSource &t : bank.testSets) {
        if (!isLegacy(t.questions))
            course.testSets << t;
    }
    for (const AlgorithmSource &a : bank.algorithms) {
        if (!a.contentRtf)
            course.algorithms << a;
    }
    return course;
}

}

bool readsInput(const QString &program)
{
    // A file the program wrote itself is not input; a stream function reads input from stdin only.
    static const QRegularExpression reading(
        QStringLiteral("\\b(scanf|getchar|gets)\\s*\\(|\\b(fscanf|getc|fgetc|fgets|fread)\\s*\\([^;]*\\bstdin\\b"));
    return reading.match(program).hasMatch();
}

Findings check(const BankSource &source)
{
    const BankSource bank = ownCourse(source);
    Findings found;
    found.errors << KeyBalance::faults(bank);
    found.errors << ExplainedKey::faults(bank);
    for (const ChapterSource &c : bank.chapters) {
        const int characters = chineseCharacters(c.study);
        if (characters < kStudyCharacters)
            found.errors << at(c.studyPlace, localized(u"学习内容只有 %1 个汉字，至少要 %2 个", u"the study text has %1 Chinese characters; it needs at least %2")
                                                 .arg(characters).arg(kStudyCharacters));
        setRules(c.exercise, found.errors);
    }
    for (const TestSetSource &t : bank.testSets) {
        testSetSize(t, found.errors);
        setRules(t.questions, found.errors);
    }
    Duplicates::find(bank, found.errors, found.warnings);
    return found;
}

}
