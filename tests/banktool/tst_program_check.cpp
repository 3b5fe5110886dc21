// The checks that prove the bank's programs, on small hand-made tasks: each kind of fault is
// caught and named with its place, and right tasks pass.

#include "banktool/ProgramCheck.h"
#include "banktool/ProofCache.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace ProgramCheck;

namespace {

const QString kSum = uR"(#include <stdio.h>
int main(void)
{
    int i, n, sum = 0;
    if (scanf("%d", &n) != 1)
        return 1;
    for (i = 1; i <= n; i++)
        sum += i;
    printf("%d\n", sum);
    return 0;
}
)"_s;

ProgramTask task(int line = 7)
{
    ProgramTask t;
    t.place = SourcePlace{u"bank/chapters/05.yaml"_s, line};
    t.title = u"题目"_s;
    return t;
}

ProgramTask correction(int faults, int stated)
{
    ProgramTask t = task();
    t.title = u"下面程序求 1 到 10 的和，程序中有 %1 处错误，请改正。"_s.arg(stated);
    t.faults = faults;
    return t;
}

bool mentions(const QStringList &problems, const QString &text)
{
    return std::any_of(problems.begin(), problems.end(), [&](const QString &p) { return p.contains(text); });
}

QByteArray shown(const QStringList &problems) { return problems.join(u"\n"_s).toUtf8(); }

}

class TestProgramCheck : public QObject
{
    Q_OBJECT

    Settings m_settings;

private slots:
    void initTestCase()
    {
        qputenv("LC_ALL", "C.UTF-8"); // messages in English, whatever the machine's language
        if (QStandardPaths::findExecutable(u"gcc"_s).isEmpty())
            QSKIP("gcc is not installed");
    }

    // The text helpers of the checks: blanks filled by their numbers, fault counts in Chinese
    // numerals (digits and titles without a count are in correctionTasks), a missing line named.
    void textHelpers()
    {
        QCOMPARE(fillBlanks(u"for (i = 1; ___1___; i++) ___2___; x = ___1___;"_s, {u"i <= n"_s, u"s += i"_s}),
                 u"for (i = 1; i <= n; i++) s += i; x = i <= n;"_s);
        QCOMPARE(fillBlanks(u"___10___ ___2___"_s, {u"a"_s, u"b"_s}), u"___10___ b"_s);
        QCOMPARE(statedFaults(u"程序中有两处错误"_s), 2);
        QCOMPARE(statedFaults(u"程序中有三处错误"_s), 3);
        QCOMPARE(outputDifference(u"a\nb\n"_s, u"a\n"_s), u"line 2 should be \"b\" but is (nothing)"_s);
    }

    // The fill stops the sum one short: it prints 45, not 55.
    void fillInWithWrongOutputFails()
    {
        ProgramTask t = task();
        t.program = QString(kSum).replace(u"i <= n"_s, u"___1___"_s);
        t.fills = {u"i < n"_s};
        t.input = u"10\n"_s;
        t.output = u"55\n"_s;
        const QStringList problems = checkBlank(t, u"chapter 05, fill-in 1"_s, m_settings);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(u"bank/chapters/05.yaml:7: chapter 05, fill-in 1: "_s), shown(problems));
        QVERIFY2(problems[0].contains(u"line 1 should be \"55\" but is \"45\""_s), shown(problems));
    }

    void referenceProgramReadsItsDataFile()
    {
        ProgramTask t = task();
        t.program = u"#include <stdio.h>\nint main(void)\n{\n    /* 在此编写程序 */\n    return 0;\n}\n"_s;
        t.answer = uR"(#include <stdio.h>
int main(void)
{
    FILE *fp = fopen("data_21.dat", "r");
    int x, max = 0;
    if (fp == NULL)
        return 1;
    while (fscanf(fp, "%d", &x) == 1)
        max = x > max ? x : max;
    fclose(fp);
    printf("%d\n", max);
    return 0;
}
)"_s;
        t.hasData = true;
        t.data = u"3 8 1 9 4"_s;
        t.output = u"9\n"_s;
        // Each case brings its own data file; an empty one is a file of no bytes.
        t.cases = {{SourcePlace{t.place.file, 40}, {}, u"-5 12"_s, u"12\n"_s, true, {}},
                   {SourcePlace{t.place.file, 44}, {}, {}, u"0\n"_s, true, {}}};
        // The second task of its section: its data file is data_21.dat.
        QStringList problems = checkPro(t, 2, u"chapter 05, programming 2"_s, m_settings);
        QVERIFY2(problems.isEmpty(), shown(problems));
        // As the first task its file would be data_11.dat.
        problems = checkPro(t, 1, u"chapter 05, programming 1"_s, m_settings);
        QVERIFY2(mentions(problems, u"names the data file data_21.dat, but as task 1 of its section its file is data_11.dat"_s), shown(problems));
        QVERIFY2(mentions(problems, u"the reference program does not open data_11.dat"_s), shown(problems));
        QVERIFY2(mentions(problems, u"line 1 should be \"9\" but is (nothing)"_s), shown(problems));
    }

    void skeletonMustCompile()
    {
        ProgramTask t = task();
        t.program = u"#include <stdio.h>\nint max(int a, int b);\nint main(void)\n{\n    printf(\"%d\\n\", max(1, 2))\n    return 0;\n}\n"_s;
        t.answer = u"#include <stdio.h>\nint main(void)\n{\n    printf(\"2\\n\");\n    return 0;\n}\n"_s;
        t.output = u"2\n"_s;
        QStringList problems = checkPro(t, 1, u"chapter 05, programming 1"_s, m_settings);
        QVERIFY2(mentions(problems, u"the skeleton ('program') does not compile"_s), shown(problems));
        // A skeleton that leaves a function to the student is fine: it is not linked.
        t.program.replace(u"max(1, 2))"_s, u"max(1, 2));"_s);
        problems = checkPro(t, 1, u"chapter 05, programming 1"_s, m_settings);
        QVERIFY2(problems.isEmpty(), shown(problems));
    }

    // Each row: the stated and the real number of faults, the faulty program as edits of the right
    // one, and the one problem expected (none when empty).
    void correctionTasks_data()
    {
        QTest::addColumn<int>("faults");
        QTest::addColumn<int>("stated");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("expected");
        const QStringList twoFaults = {u"sum = 0;"_s, u"sum = 0"_s, u"i <= n"_s, u"i < n"_s};
        QTest::newRow("right") << 2 << 2 << QString() << twoFaults << QString();
        // Fixing some of the faults must not be enough: this one passes the example, not the case.
        QTest::newRow("right on the example only") << 1 << 1 << QString() << QStringList{u"i <= n"_s, u"i <= 10"_s} << QString();
        QTest::newRow("faulty program works") << 1 << 1 << QString()
                                              << QStringList{u"sum += i;"_s, u"sum = sum + i;"_s}
                                              << u"the faulty program compiles and prints the expected output"_s;
        QTest::newRow("wrong count") << 3 << 3 << QString() << twoFaults << u"'faults' is 3 but 2 lines differ"_s;
        QTest::newRow("title disagrees") << 2 << 3 << QString() << twoFaults
                                         << u"the title speaks of 3 faults but 'faults' is 2"_s;
        QTest::newRow("title without a count") << 2 << 2 << u"下面程序有错误，请改正。"_s << twoFaults
                                               << u"the title does not say how many faults"_s;
    }

    void correctionTasks()
    {
        QFETCH(int, faults);
        QFETCH(int, stated);
        QFETCH(QString, title);
        QFETCH(QStringList, edits);
        QFETCH(QString, expected);
        ProgramTask t = correction(faults, stated);
        if (!title.isEmpty())
            t.title = title;
        t.corrected = kSum;
        t.program = kSum;
        for (int i = 0; i + 1 < edits.size(); i += 2)
            t.program.replace(edits[i], edits[i + 1]);
        t.input = u"10\n"_s;
        t.output = u"55\n"_s;
        t.cases = {{SourcePlace{t.place.file, 20}, u"4\n"_s, {}, u"10\n"_s, true, {}}};
        const QStringList problems = checkErr(t, u"chapter 05, correction 1"_s, m_settings);
        if (expected.isEmpty()) {
            QVERIFY2(problems.isEmpty(), shown(problems));
        } else {
            QCOMPARE(problems.size(), 1);
            QVERIFY2(problems[0].contains(expected), shown(problems));
        }
    }

    // A program is run as a student's program is checked: one that passes a bound of the
    // student's run is refused, though it would print the right output given more. An algorithm
    // runs under the address checker, a reference program without it. Each row: whether the
    // program is a task's reference, the body of its main, and what the one problem says.
    void faultyProgramsAreReported_data()
    {
        QTest::addColumn<bool>("reference");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("endless") << false << u"    volatile int x = 1;\n    while (x)\n        ;\n    return 0;\n"_s
                                 << QStringList{u"bank/algorithms/03.yaml:1: algorithm 03: the program on the example did not finish within "
                                                u"a student's time bounds (2 s of CPU time, 5 s in all)"_s};
        QTest::newRow("chatty") << false << u"    for (;;)\n        printf(\"xxxxxxxxxxxxxxxx\\n\");\n    return 0;\n"_s
                                << QStringList{u"printed more than a student's bound (65536 bytes)"_s};
        QTest::newRow("crash") << false << u"    printf(\"1\\n\");\n    fflush(stdout);\n    abort();\n"_s << QStringList{u"crashed"_s};
        QTest::newRow("big") << true
                             << u"    int i;\n    for (i = 0; i < 48; i++) {\n        char *p = malloc(8 << 20);\n        if (p == NULL)\n"
                                u"            return 1;\n        memset(p, 1, 8 << 20);\n        usleep(5000);\n    }\n"
                                u"    printf(\"1\\n\");\n    return 0;\n"_s
                             << QStringList{u"bank/algorithms/03.yaml:1: test set 2, programming 1: the reference program ('answer') on the example "
                                            u"needs more memory than a student's bound (256 MiB of address space)"_s};
        QTest::newRow("warning") << true << u"    int k;\n    printf(\"1\\n\");\n    return 0;\n"_s
                                 << QStringList{u"test set 2, programming 1: the reference program ('answer') compiles with warnings"_s,
                                                u"-Wunused-variable"_s};
        QTest::newRow("does not compile") << false << u"    printf(\"1\\n\")\n    return 0;\n"_s
                                          << QStringList{u"algorithm 03: the program does not compile:\nalgorithm.c:"_s, u"expected ';'"_s};
        // Reads a[3], one past the end, yet prints 1 whatever it finds there.
        QTest::newRow("right by luck")
            << false
            << u"    int a[3] = {1, 0, 0};\n    int i, s = 0;\n    for (i = 0; i <= 3; i++)\n        if (a[i] > 0 && i < 3)\n"
               u"            s += a[i];\n    printf(\"%d\\n\", s);\n    return 0;\n"_s
            << QStringList{u"runtime error: index 3 out of bounds"_s};
        // The undefined behaviour checker alone does not see a write past a malloc'd block.
        QTest::newRow("past a heap block")
            << false
            << u"    int *a = malloc(4 * sizeof *a);\n    volatile int n = 4;\n    if (a == NULL)\n        return 1;\n"
               u"    a[n] = 1;\n    printf(\"1\\n\");\n    free(a);\n    return 0;\n"_s
            << QStringList{u"the program on the example was stopped by the checker for undefined behaviour or memory faults"_s,
                           u"heap-buffer-overflow"_s};
    }

    void faultyProgramsAreReported()
    {
        QFETCH(bool, reference);
        QFETCH(QString, body);
        QFETCH(QStringList, expected);
        const QString program = u"#define _DEFAULT_SOURCE\n#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n#include <unistd.h>\n"
                                u"int main(void)\n{\n"_s + body + u"}\n"_s;
        ProgramTask t = task(1);
        t.place.file = u"bank/algorithms/03.yaml"_s;
        t.program = u"int main(void)\n{\n    return 0;\n}\n"_s;
        t.answer = program;
        t.output = u"1\n"_s;
        AlgorithmSource a;
        a.place = t.place;
        a.program = program;
        a.output = t.output;
        QElapsedTimer clock;
        clock.start();
        const QStringList problems = reference ? checkPro(t, 1, u"test set 2, programming 1"_s, m_settings)
                                               : checkAlgorithm(a, u"algorithm 03"_s, m_settings);
        QVERIFY(clock.elapsed() < 20000); // under the address checker, with the memory check's bounds
        QCOMPARE(problems.size(), 1);
        for (const QString &part : expected)
            QVERIFY2(problems[0].contains(part), shown(problems));
    }

    void checksOfABankCoverEveryTaskInOrder()
    {
        BankSource bank;
        ChapterSource c;
        c.id = u"05"_s;
        c.exercise.blank << task(3) << task(9);
        c.exercise.err << task(15);
        c.exercise.pro << task(20);
        bank.chapters << c;
        TestSetSource t;
        t.group = 2;
        t.questions.pro << task(30);
        bank.testSets << t;
        const QList<Check> checks = checksOf(bank);
        QStringList labels;
        for (const Check &check : checks)
            labels << check.label;
        QCOMPARE(labels, (QStringList{u"chapter 05, fill-in 1"_s, u"chapter 05, fill-in 2"_s, u"chapter 05, correction 1"_s,
                                      u"chapter 05, programming 1"_s, u"test set 2, programming 1"_s}));
    }

    // A check that passed is not run again while its material and the settings stay the same;
    // a failed one always is.
    void provenChecksAreNotRunAgain()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"proofs.cache"_s);
        std::atomic<int> runs{0};
        auto checkOf = [&](const QByteArray &material, bool passes) {
            return Check{SourcePlace{u"a.yaml"_s, 1}, u"check"_s, [&runs, passes](const Settings &) {
                             ++runs;
                             return passes ? QStringList() : QStringList{u"a.yaml:1: check: fails"_s};
                         }, material};
        };
        const QList<Check> checks = {checkOf("right", true), checkOf("wrong", false)};
        {
            ProofCache cache(file, m_settings);
            runChecks(checks, m_settings, 2, &cache);
            QCOMPARE(runs.load(), 2);
            QCOMPARE(cache.save(), QString());
        }
        ProofCache cache(file, m_settings);
        const QList<QStringList> results = runChecks(checks, m_settings, 2, &cache);
        QCOMPARE(runs.load(), 3); // only the failed one again
        QCOMPARE(results[1].size(), 1);
        QVERIFY(!cache.holds("right, changed"));

        Settings other = m_settings;
        other.flags << u"-O2"_s;
        QVERIFY(!ProofCache(file, other).holds("right"));
        QVERIFY(!ProofCache(QString(), m_settings).holds("right"));
    }

};

QTEST_GUILESS_MAIN(TestProgramCheck)
#include "tst_program_check.moc"
