// The rules that span the course, on small hand-made banks: balanced answer keys, no repeated
// questions, tasks with hidden cases and a sample, study texts long enough.

#include "banktool/CourseRules.h"
#include "banktool/Duplicates.h"
#include "banktool/ExplainedKey.h"
#include "banktool/KeyBalance.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

ChoiceQuestion question(const QString &file, int line, QChar key, const QString &title = {},
                        const QStringList &options = {u"1"_s, u"2"_s, u"3"_s, u"4"_s})
{
    ChoiceQuestion q;
    q.place = SourcePlace{file, line};
    q.answerPlace = SourcePlace{file, line + 2};
    q.title = title.isEmpty() ? u"第 %1 行的题目（ ）。"_s.arg(line) : title;
    q.options = options;
    q.answer = key;
    return q;
}

// A chapter whose ten choice questions have the keys given, at lines 10, 20, ...
ChapterSource chapter(const QString &id, const QString &keys)
{
    ChapterSource c;
    c.id = id;
    c.place = SourcePlace{u"chapters/%1.yaml"_s.arg(id), 1};
    c.studyPlace = SourcePlace{c.place.file, 3};
    c.study = QString(800, u'学');
    for (int i = 0; i < keys.size(); ++i)
        c.exercise.choice << question(c.place.file, 10 * (i + 1), keys[i]);
    return c;
}

ProgramTask task(const QString &file, int line, const QString &program)
{
    ProgramTask t;
    t.place = SourcePlace{file, line};
    t.title = u"编写程序。"_s;
    t.answer = program;
    t.corrected = program;
    t.program = program;
    t.output = u"1\n"_s;
    return t;
}

TaskCase hiddenCase(int line) { return TaskCase{SourcePlace{u"chapters/01.yaml"_s, line}, u"2\n"_s, {}, u"2\n"_s, true, u"另一个数"_s}; }

bool mentions(const QStringList &lines, const QString &text)
{
    return std::any_of(lines.begin(), lines.end(), [&](const QString &l) { return l.contains(text); });
}

QByteArray shown(const QStringList &lines) { return lines.join(u'\n').toUtf8(); }

// Whether the faults of a unit or task, leaving out those of the whole bank, are just the ones
// expected (each given by a part of its text).
bool faultsAre(QStringList faults, const QStringList &expected)
{
    faults.removeIf([](const QString &f) { return f.startsWith(u"whole bank"_s); });
    return faults.size() == expected.size()
           && std::all_of(expected.begin(), expected.end(), [&](const QString &e) { return mentions(faults, e); });
}

// A choice question on a piece of code.
const QString kSwitch = u"有以下程序段：\nint k = 2, s = 0;\nswitch (k) {\ncase 1: s += 1;\ncase 2: s += 2; break;\n}\n执行后的输出结果是（ ）。"_s;

using ChapterEdit = std::function<void(ChapterSource &)>;

const QString kReading = u"#include <stdio.h>\nint main(void)\n{\n    int n;\n    scanf(\"%d\", &n);\n    printf(\"%d\\n\", n);\n    return 0;\n}\n"_s;

}

Q_DECLARE_METATYPE(ChapterEdit)

class TestCourseRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("LC_ALL", "C.UTF-8"); // messages in English, whatever the machine's language
    }

    void keysOfAUnit_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("balanced") << u"ABCDABCDAB"_s << QStringList();
        QTest::newRow("a letter four times")
            << u"ABACADBCDA"_s << QStringList{u"chapters/01.yaml:10: A is the key of 4 questions in this unit; each letter must be the key of 2 or 3 (the keys in order: ABACADBCDA)"_s};
        QTest::newRow("a letter once")
            << u"ABCABCABCD"_s << QStringList{u"chapters/01.yaml:10: D is the key of 1 questions"_s};
        QTest::newRow("four in a row")
            << u"BAAAACCDDB"_s << QStringList{u"A is the key of 4"_s, u"chapters/01.yaml:52: 4 equal keys A in a row"_s};
        QTest::newRow("nine questions")
            << u"ABCDABCDA"_s << QStringList{u"chapters/01.yaml:10: the unit has 9 choice questions; it must have exactly 10"_s};
    }

    void keysOfAUnit()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, expected);
        BankSource bank;
        bank.chapters << chapter(u"01"_s, keys);
        const QStringList faults = KeyBalance::faults(bank);
        QVERIFY2(faultsAre(faults, expected), shown(faults));
    }

    // Units balanced one by one may still lean to one letter together.
    void keysOfTheWholeBank()
    {
        BankSource bank;
        bank.chapters << chapter(u"01"_s, u"ABCDABCDAB"_s) << chapter(u"02"_s, u"ABCDABCDAB"_s);
        QStringList faults = KeyBalance::faults(bank);
        QCOMPARE(faults.size(), 4);
        QVERIFY2(mentions(faults, u"whole bank: A is the key of 6 of 20 choice questions (30.0 %); it must be 22-28 %"_s), shown(faults));
        QVERIFY2(mentions(faults, u"whole bank: D is the key of 4 of 20"_s), shown(faults));

        bank.chapters[1] = chapter(u"02"_s, u"CDABCDABCD"_s);
        QCOMPARE(KeyBalance::faults(bank), QStringList());
        const QString report = KeyBalance::report(bank).simplified();
        QVERIFY2(report.contains(u"chapters/02.yaml 2 2 3 3 CDABCDABCD"_s), qPrintable(report));
        QVERIFY2(report.contains(u"all 20 questions 5 5 5 5 25% 25% 25% 25%"_s), qPrintable(report));
    }

    void repeatedChoiceQuestions_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("warning");
        const QStringList options = {u"2"_s, u"3"_s, u"1"_s, u"0"_s};
        QTest::newRow("other blanks, options shuffled, full-width brackets")
            << u"有以下程序段：\n  int k=2, s=0;\nswitch (k) { case 1: s += 1; case 2: s += 2; break; }\n执行后的输出结果是( )。"_s
            << QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s} << u"tests/2.yaml:30: this choice question repeats the one at chapters/01.yaml:5"_s
            << QString();
        QTest::newRow("a number changed") << QString(kSwitch).replace(u"k = 2"_s, u"k = 1"_s) << options << QString()
                                          << u"tests/2.yaml:30: this choice question is nearly the one at chapters/01.yaml:5"_s;
        QTest::newRow("same code, asked in other words")
            << QString(kSwitch).replace(u"执行后的输出结果是"_s, u"执行后输出的结果是"_s) << QStringList{u"2"_s, u"3"_s, u"5"_s, u"7"_s} << QString()
            << u"tests/2.yaml:30: this choice question asks about the same code as the one at chapters/01.yaml:5"_s;
        QTest::newRow("another question") << QString(kSwitch).replace(u"break;"_s, u""_s) << options << QString() << QString();
        QTest::newRow("short code in other words") << u"int a = 7; a / 2 的值是（ ）。"_s << options << QString() << QString();
    }

    void repeatedChoiceQuestions()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, options);
        QFETCH(QString, error);
        QFETCH(QString, warning);
        BankSource bank;
        ChapterSource c;
        c.exercise.choice << question(u"chapters/01.yaml"_s, 5, u'A', kSwitch, {u"2"_s, u"3"_s, u"1"_s, u"0"_s})
                          << question(u"chapters/01.yaml"_s, 15, u'A', u"int a = 7; a % 2 的值是（ ）。"_s, {u"1"_s, u"3"_s, u"3.5"_s, u"0"_s});
        bank.chapters << c;
        TestSetSource t;
        t.questions.choice << question(u"tests/2.yaml"_s, 30, u'B', title, options);
        bank.testSets << t;
        QStringList errors, warnings;
        Duplicates::find(bank, errors, warnings);
        QCOMPARE(errors, error.isEmpty() ? QStringList() : QStringList{error + u" (same title and options)"_s});
        QCOMPARE(warnings.size(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty())
            QVERIFY2(warnings[0].startsWith(warning), shown(warnings));
    }

    void repeatedTasks()
    {
        BankSource bank;
        ChapterSource c;
        c.exercise.pro << task(u"chapters/04.yaml"_s, 300, kReading);
        bank.chapters << c;
        TestSetSource t;
        ProgramTask blank = task(u"tests/1.yaml"_s, 150, QString(kReading).replace(u"scanf"_s, u"___1___"_s));
        blank.fills = {u"scanf"_s};
        t.questions.blank << blank;                                                                   // the same, filled in
        t.questions.err << task(u"tests/1.yaml"_s, 200, QString(kReading).replace(u"return 0"_s, u"return 1"_s)); // a number changed
        t.questions.pro << task(u"tests/1.yaml"_s, 250, QString(kReading).replace(u"n"_s, u"m"_s));      // other names
        bank.testSets << t;
        QStringList errors, warnings;
        Duplicates::find(bank, errors, warnings);
        QCOMPARE(errors, QStringList{u"tests/1.yaml:150: this task's program repeats the one at chapters/04.yaml:300"_s});
        QCOMPARE(warnings, QStringList{u"tests/1.yaml:200: this task's program is nearly the one at chapters/04.yaml:300 (only numbers differ)"_s});
    }

    void programsThatReadInput()
    {
        QVERIFY(CourseRules::readsInput(u"while ((c = getchar()) != EOF)"_s));
        QVERIFY(CourseRules::readsInput(u"fgets (s, 80, stdin)"_s));
        QVERIFY(!CourseRules::readsInput(u"fp = fopen(\"poem.txt\", \"r\"); while ((ch = fgetc(fp)) != EOF)"_s)); // its own file
        QVERIFY(!CourseRules::readsInput(u"sscanf(s, \"%d\", &x); printf(\"%d\", x);"_s));
        QVERIFY(!CourseRules::readsInput(u"int scanfed = 0;"_s));
    }

    // Each row edits a chapter that keeps every rule (a programming task at line 40 reading its
    // input, with hinted hidden cases at lines 50 and 53) and names the faults expected of it.
    void rulesOfAChapter_data()
    {
        QTest::addColumn<ChapterEdit>("edit");
        QTest::addColumn<QStringList>("expected");
        const QString silent = u"int main(void) { return 0; }"_s;
        QTest::newRow("right") << ChapterEdit([](ChapterSource &) {}) << QStringList();
        QTest::newRow("programming without input")
            << ChapterEdit([=](ChapterSource &c) { c.exercise.pro[0].answer = silent; })
            << QStringList{u"chapters/01.yaml:40: a programming task must read standard input or its data file, but the reference program reads nothing"_s};
        QTest::newRow("programming reading its data file") << ChapterEdit([=](ChapterSource &c) {
            c.exercise.pro[0].answer = silent;
            c.exercise.pro[0].hasData = true;
        }) << QStringList();
        QTest::newRow("programming with one hidden case")
            << ChapterEdit([](ChapterSource &c) { c.exercise.pro[0].cases[1].hidden = false; })
            << QStringList{u"chapters/01.yaml:40: a programming task needs at least 2 hidden cases beside its example, it has 1"_s};
        QTest::newRow("fill-in that reads, no cases") << ChapterEdit([](ChapterSource &c) {
            c.exercise.pro[0].cases.clear();
            c.exercise.pro[0].title = u"填空。"_s;
            c.exercise.blank << c.exercise.pro.takeFirst();
        }) << QStringList{u"a task that reads input needs at least 2 hidden cases beside its example, it has 0"_s};
        QTest::newRow("fill-in that reads nothing") << ChapterEdit([=](ChapterSource &c) {
            c.exercise.pro[0] = task(c.place.file, 40, silent);
            c.exercise.blank << c.exercise.pro.takeFirst();
        }) << QStringList();
        QTest::newRow("correction speaking of a sample") << ChapterEdit([=](ChapterSource &c) {
            c.exercise.pro[0] = task(c.place.file, 40, silent);
            c.exercise.pro[0].title = u"改错，输出格式见样例。"_s;
            c.exercise.err << c.exercise.pro.takeFirst();
        }) << QStringList{u"chapters/01.yaml:40: the title mentions 样例, but only programming tasks show one"_s};
        QTest::newRow("programming without an example speaking of a sample")
            << ChapterEdit([](ChapterSource &c) { c.exercise.pro[0].output = u"\n"_s; })
            << QStringList{u"chapters/01.yaml:40: the title mentions 样例, but the task has no example (its output is empty)"_s};
        // A student who fails a hidden case is told only its 'about'; an open case shows its input.
        QTest::newRow("hidden case with blanks for a hint")
            << ChapterEdit([](ChapterSource &c) { c.exercise.pro[0].cases[1].about = u"  "_s; })
            << QStringList{u"chapters/01.yaml:53: a hidden case needs its 'about'"_s};
        QTest::newRow("open case without a hint")
            << ChapterEdit([](ChapterSource &c) { c.exercise.pro[0].cases << TaskCase{c.place, u"3\n"_s, {}, u"3\n"_s, false, {}}; })
            << QStringList();
        // An imported chapter is kept as it stood: its tasks carry no hints.
        QTest::newRow("imported chapter") << ChapterEdit([](ChapterSource &c) {
            c.exercise.pro[0].cases[1].about.clear();
            c.exercise.choice[0].legacy = true;
        }) << QStringList();
        // Only Chinese characters count; the chapter above has exactly 800.
        QTest::newRow("study text too short")
            << ChapterEdit([](ChapterSource &c) { c.study = QString(799, u'学') + u" int main(void) ，。"_s + QString(60, u'x'); })
            << QStringList{u"chapters/01.yaml:3: the study text has 799 Chinese characters; it needs at least 800"_s};
    }

    void rulesOfAChapter()
    {
        QFETCH(ChapterEdit, edit);
        QFETCH(QStringList, expected);
        ChapterSource c = chapter(u"01"_s, u"ABCDABCDAB"_s);
        c.exercise.pro << task(c.place.file, 40, kReading);
        c.exercise.pro[0].title = u"编写程序，输入 n，输出 n。格式见样例。"_s;
        c.exercise.pro[0].cases << hiddenCase(50) << hiddenCase(53);
        edit(c);
        BankSource bank;
        bank.chapters << c;
        const QStringList errors = CourseRules::check(bank).errors;
        QVERIFY2(faultsAre(errors, expected), shown(errors));
    }

    // Where an explanation names the right option, it names the key.
    void explanationAgreesWithTheKey_data()
    {
        QTest::addColumn<QString>("explain");
        QTest::addColumn<QStringList>("claimed");
        QTest::newRow("选 X at the end") << u"结果为 3，选 B。"_s << QStringList{u"B"_s};
        QTest::newRow("故选") << u"所以 x 为 5，故选B"_s << QStringList{u"B"_s};
        QTest::newRow("答案为") << u"答案为 C，因为……"_s << QStringList{u"C"_s};
        QTest::newRow("X 正确") << u"A 错在……，B 正确。"_s << QStringList{u"B"_s};
        QTest::newRow("X 项才是正确的") << u"D 项才是正确的"_s << QStringList{u"D"_s};
        QTest::newRow("误选 is no claim") << u"选 B。误选 A 是把……"_s << QStringList{u"B"_s};
        QTest::newRow("选 X 是 explains a tempting option") << u"输出 6，选 D。 选 A 是被缩进迷惑了"_s << QStringList{u"D"_s};
        QTest::newRow("X 不正确 is no claim") << u"A 不正确，C 也错误"_s << QStringList();
        QTest::newRow("a letter inside a word") << u"用 EOF 判断，ABC 正确"_s << QStringList();
        QTest::newRow("two claims") << u"选 A。……故 C 正确"_s << QStringList{u"A"_s, u"C"_s};
    }

    void explanationAgreesWithTheKey()
    {
        QFETCH(QString, explain);
        QFETCH(QStringList, claimed);
        QCOMPARE(ExplainedKey::claimed(explain), claimed);

        BankSource bank;
        bank.chapters << chapter(u"01"_s, u"BBCDABCDAA"_s);
        bank.chapters[0].exercise.choice[0].explain = explain;
        const QStringList faults = ExplainedKey::faults(bank);
        QStringList expected;
        for (const QString &letter : claimed) {
            if (letter != u"B")
                expected << u"chapters/01.yaml:12: the explanation says %1 is right, but the key is B"_s.arg(letter);
        }
        QCOMPARE(faults, expected);
    }

    void testSetsHoldThreeTasksOfEachKind()
    {
        BankSource bank;
        TestSetSource t;
        t.place = SourcePlace{u"tests/4.yaml"_s, 1};
        for (int i = 0; i < 3; ++i)
            t.questions.blank << task(t.place.file, 10 + i, u"int main(void) { return 0; }"_s);
        t.questions.err << task(t.place.file, 20, u"int main(void) { return 1; }"_s);
        bank.testSets << t;
        const QStringList errors = CourseRules::check(bank).errors;
        QVERIFY2(mentions(errors, u"tests/4.yaml:1: a test set's 'err' holds 1 tasks; it must hold exactly 3"_s), shown(errors));
        QVERIFY2(mentions(errors, u"tests/4.yaml:1: a test set's 'pro' holds 0 tasks"_s), shown(errors));
        QVERIFY2(!mentions(errors, u"'blank' holds"_s), shown(errors));
    }
};

QTEST_GUILESS_MAIN(TestCourseRules)
#include "tst_course_rules.moc"
