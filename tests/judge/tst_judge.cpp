// Students' programs checked with the real gcc: right and wrong ones, ones that do not compile,
// crash or run away, and files that are not ready. Every runaway program here stops by itself
// after a while, so a check that failed to stop it cannot take the machine down.

#include "judge/Judge.h"
#include "judge/VerdictText.h"

#include "StudentPrograms.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using StudentPrograms::processesNamed;
using StudentPrograms::program;

namespace {

// A programming task that reads numbers from data_11.dat and prints their average.
const QString kRightAverage = uR"(#include <stdio.h>
int main(void)
{
    FILE *fp = fopen("data_11.dat", "r");
    int x, n = 0;
    double sum = 0;
    if (fp == NULL)
        return 1;
    while (fscanf(fp, "%d", &x) == 1) {
        sum += x;
        n++;
    }
    fclose(fp);
    printf("平均值=%.2f\n", n > 0 ? sum / n : 0.0);
    return 0;
}
)"_s;

QList<JudgeCase> averageCases()
{
    return {{1, false, {}, {}, u"3 8 1 9 4"_s, u"平均值=5.00\n"_s},
            {2, true, u"全是负数"_s, {}, u"-5 -12 -7"_s, u"平均值=-8.00\n"_s},
            {3, true, {}, {}, u"7"_s, u"平均值=7.00\n"_s}};
}

// A task reading two numbers from standard input and printing their sum.
QList<JudgeCase> sumCases()
{
    return {{1, false, {}, u"3 4\n"_s, {}, u"7\n"_s}, {2, true, {}, u"-8 3\n"_s, {}, u"-5\n"_s}};
}

// What is in a folder: each file's name and bytes.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        files[it.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(folder)");
    }
    return files;
}

}

class TestJudge : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_work; // the student's work folder

    QString writeSource(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_work->filePath(name);
        StudentPrograms::writeFile(path, bytes);
        return path;
    }

    static Verdict check(Judge &judge, const JudgeTask &task)
    {
        return StudentPrograms::check(judge, task);
    }

    Verdict check(const JudgeTask &task)
    {
        Judge judge;
        return check(judge, task);
    }

    JudgeTask programming(const QString &source, const QString &name = u"pro_1.c"_s)
    {
        return {TaskKind::Programming, writeSource(name, source.toUtf8()), u"data_11.dat"_s, averageCases()};
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"gcc"_s).isEmpty())
            QSKIP("gcc is not installed");
    }

    void init()
    {
        m_work = std::make_unique<QTemporaryDir>();
        QVERIFY(m_work->isValid());
    }

    void rightProgramPassesAndTheStudentsFolderStaysAsItWas()
    {
        JudgeTask task = programming(kRightAverage);
        // The student's own data file differs from every case's, and is never used or touched.
        writeSource(u"data_11.dat"_s, "100 200\r\n");
        const QMap<QString, QByteArray> before = contents(m_work->path());
        const Verdict v = check(task);
        QCOMPARE(v.kind, VerdictKind::Passed);
        QCOMPARE(v.passed, 3);
        QCOMPARE(VerdictText::headline(v), u"全部通过 (3/3)"_s);
        QVERIFY2(VerdictText::text(v).contains(u"其中 2 个是隐藏测试"_s), qPrintable(VerdictText::text(v)));
        QCOMPARE(contents(m_work->path()), before);
    }

    void programPrintingTheExampleFailsAHiddenCase()
    {
        const JudgeTask task = programming(program(u"#include <stdio.h>\n"_s, u"    printf(\"平均值=5.00\\n\");\n"_s));
        const Verdict v = check(task);
        QCOMPARE(v.kind, VerdictKind::WrongOutput);
        QCOMPARE(v.passed, 1);
        QCOMPARE(v.failedCase.number, 2);
        QVERIFY(v.failedCase.hidden);
        // Nothing of the hidden case is shown: neither its data nor its expected output.
        const QString text = VerdictText::text(v);
        QVERIFY2(text.contains(u"隐藏测试 2 没有通过"_s) && text.contains(u"全是负数"_s), qPrintable(text));
        QVERIFY2(!text.contains(u"-8"_s) && !text.contains(u"-12"_s), qPrintable(text));
    }

    void wrongOutputOnAnOpenCaseShowsWhereItDiffers()
    {
        JudgeTask task{TaskKind::Correction, writeSource(u"err_1.c"_s, program(u"#include <stdio.h>\n"_s,
            u"    int a, b;\n    scanf(\"%d%d\", &a, &b);\n    printf(\"sum:\\n%d\\n\", a - b);\n"_s).toUtf8()), {}, sumCases()};
        task.cases[0].expected = u"sum:\n7\n"_s;
        const Verdict v = check(task);
        QCOMPARE(v.kind, VerdictKind::WrongOutput);
        QCOMPARE(v.failedCase.firstDifference, 1);
        const QString text = VerdictText::text(v);
        QVERIFY2(text.contains(u"测试 1 没有通过。第 2 行起输出不同"_s), qPrintable(text));
        QVERIFY2(text.contains(u"输入：\n3 4\n"_s), qPrintable(text));
        QVERIFY2(text.contains(u"> 2 | 7"_s) && text.contains(u"> 2 | -1"_s) && text.contains(u"  1 | sum:"_s), qPrintable(text));
    }

    void compileErrorNamesTheLine()
    {
        const QString source = program(u"#include <stdio.h>\n"_s, u"    int a = 1\n    printf(\"%d\\n\", a);\n"_s);
        const Verdict v = check(JudgeTask{TaskKind::Correction, writeSource(u"err_2.c"_s, source.toUtf8()), {}, sumCases()});
        QCOMPARE(v.kind, VerdictKind::CompileError);
        QCOMPARE(v.errorLines, QList<int>{5});
        QVERIFY2(v.compilerMessages.contains(u"err_2.c:5:"_s), qPrintable(v.compilerMessages));
        QVERIFY2(!v.compilerMessages.contains(m_work->path()), qPrintable(v.compilerMessages));
        QVERIFY2(VerdictText::text(v).startsWith(u"编译错误\n\n程序第 5 行有错误"_s), qPrintable(VerdictText::text(v)));
    }

    // A source as the editor keeps it: CR LF line ends, Chinese text in the system's code page.
    void sourceWithCrLfCompilesAsItIs()
    {
        QString source = program(u"#include <stdio.h>\n"_s,
                                 u"    int a, b;\n    /* 求和 */\n    scanf(\"%d%d\", &a, &b);\n    printf(\"和=%d\\n\", a + b);\n"_s);
        source.replace(u"\n"_s, u"\r\n"_s);
        QStringEncoder encode(QStringEncoder::System);
        JudgeTask task{TaskKind::Programming, writeSource(u"pro_2.c"_s, encode(source)), {}, sumCases()};
        task.cases[0].expected = u"和=7\n"_s;
        task.cases[1].expected = u"和=-5\r\n"_s;
        const Verdict v = check(task);
        QVERIFY2(v.kind == VerdictKind::Passed, qPrintable(VerdictText::text(v)));
    }

    void runErrors_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("null pointer") << u"    int *p = NULL;\n    printf(\"1\\n\");\n    fflush(stdout);\n    *p = 1;\n"_s
                                      << u"测试 1：程序异常终止：SIGSEGV（段错误"_s;
        QTest::newRow("abort") << u"    abort();\n"_s << u"SIGABRT"_s;
        QTest::newRow("exit status") << u"    exit(3);\n"_s << u"程序结束时返回了 3，而不是 0"_s;
        // Signals and failures that only look like a bound: no bound was reached, none is named.
        QTest::newRow("raises SIGXCPU") << u"    raise(SIGXCPU);\n"_s << u"SIGXCPU（CPU 时间超限的信号，但程序并没有用完"_s;
        QTest::newRow("raises SIGXFSZ") << u"    raise(SIGXFSZ);\n"_s << u"SIGXFSZ（文件大小超限的信号"_s;
        QTest::newRow("150 MB, then division by zero")
            << u"    volatile int zero = 0;\n    char *p = malloc(150 << 20);\n    if (p == NULL)\n        return 1;\n"
               u"    memset(p, 1, 150 << 20);\n    printf(\"%d\\n\", p[0] / zero);\n"_s
            << u"SIGFPE（算术错误"_s;
    }

    void runErrors()
    {
        QFETCH(QString, body);
        QFETCH(QString, expected);
        const QString source = program(u"#include <signal.h>\n#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n"_s, body);
        const Verdict v = check(JudgeTask{TaskKind::Programming, writeSource(u"pro_3.c"_s, source.toUtf8()), {}, sumCases()});
        QCOMPARE(v.kind, VerdictKind::RunError);
        QCOMPARE(v.bound, Bound::None);
        QVERIFY2(VerdictText::text(v).contains(expected), qPrintable(VerdictText::text(v)));
    }

    // Each row misbehaves in one way, and stops by itself within a minute if nothing stops it.
    void runawayProgramsAreStopped_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<Bound>("bound");
        QTest::addColumn<QString>("expected");
        QTest::newRow("endless loop") << u"    time_t end = time(NULL) + 60;\n    while (time(NULL) < end)\n        ;\n"_s
                                      << Bound::CpuTime << u"运行超时\n\n测试 1：程序"_s;
        QTest::newRow("waits forever") << u"    sleep(60);\n"_s << Bound::WallTime << u"运行超过 5 秒还没有结束"_s;
        QTest::newRow("flood of output")
            << u"    long i;\n    for (i = 0; i < 1000000; i++)\n        printf(\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\\n\");\n"_s
            << Bound::Output << u"运行出错\n\n测试 1：程序的输出超过了 64 KiB 的限制"_s;
        QTest::newRow("keeps starting children")
            << u"    int i;\n    for (i = 0; i < 300; i++) {\n        pid_t p = fork();\n        if (p == 0) {\n            sleep(60);\n"
               u"            _exit(0);\n        }\n        if (p < 0)\n            break;\n    }\n    sleep(60);\n"_s
            << Bound::Processes << u"程序同时运行的进程超过了 8 个的限制"_s;
        QTest::newRow("eats memory")
            << u"    int i;\n    for (i = 0; i < 48; i++) {\n        char *p = malloc(8 << 20);\n        if (p == NULL)\n"
               u"            return 1;\n        memset(p, 1, 8 << 20);\n        usleep(5000);\n    }\n"_s
            << Bound::Memory << u"程序用的内存超过了 256 MiB 的限制"_s;
    }

    void runawayProgramsAreStopped()
    {
        QFETCH(QString, body);
        QFETCH(Bound, bound);
        QFETCH(QString, expected);
        const QString source = program(u"#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n#include <time.h>\n"
                                       u"#include <unistd.h>\n#include <sys/types.h>\n"_s, body);
        const QMap<QString, QByteArray> before = contents(m_work->path());
        QElapsedTimer clock;
        clock.start();
        const Verdict v = check(JudgeTask{TaskKind::Programming, writeSource(u"pro_9.c"_s, source.toUtf8()), {}, sumCases()});
        QVERIFY(clock.elapsed() < 30000);
        // On a busy machine the loop may get less than its CPU time before the wall clock runs out.
        if (bound == Bound::CpuTime && v.bound == Bound::WallTime)
            bound = Bound::WallTime;
        QCOMPARE(v.bound, bound);
        QVERIFY2(VerdictText::text(v).contains(expected), qPrintable(VerdictText::text(v)));
        // Nothing it started lives on, and the work folder holds only the source.
        QTRY_COMPARE_WITH_TIMEOUT(processesNamed(u"pro_9"_s), 0, 10000);
        QCOMPARE(contents(m_work->path()).keys(), QStringList{u"pro_9.c"_s});
    }

    void filesNotReadyAreNamedBeforeCompiling()
    {
        Judge judge;
        // A compiler that cannot run: a check that reached it would say so.
        judge.setFinder([](const QString &) { return u"/nonexistent/gcc"_s; });
        const QString source = u"int main(void)\n{\n    int s = ___1___;\n    return ___3___;\n}\n"_s;
        Verdict v = check(judge, {TaskKind::FillIn, writeSource(u"blank_1.c"_s, source.toUtf8()), {}, sumCases()});
        QCOMPARE(v.kind, VerdictKind::BlanksLeft);
        QCOMPARE(v.blanks, (QList<int>{1, 3}));
        QCOMPARE(VerdictText::text(v), u"还有空没有填\n\n第 1、3 空还没有填（程序里还有 ___1___、___3___）。请在编辑器中填好、保存后再检查。"_s);

        const QString missing = m_work->filePath(u"pro_2.c"_s);
        v = check(judge, {TaskKind::Programming, missing, {}, sumCases()});
        QCOMPARE(v.kind, VerdictKind::MissingFile);
        QVERIFY(VerdictText::text(v).endsWith(u"找不到文件 "_s + QDir::toNativeSeparators(missing) + u"，请先在编辑器中完成并保存。"_s));

        // A file that is ready does reach the compiler.
        v = check(judge, {TaskKind::FillIn, writeSource(u"blank_2.c"_s, "int main(void)\n{\n    return 0;\n}\n"), {}, sumCases()});
        QCOMPARE(v.kind, VerdictKind::CannotCheck);
        QVERIFY2(VerdictText::text(v).contains(u"无法启动 C 编译器"_s), qPrintable(VerdictText::text(v)));
    }

    void withoutACompilerNothingElseHappens()
    {
        Judge judge;
        QStringList lookedFor;
        judge.setFinder([&](const QString &name) {
            lookedFor << name;
            return QString();
        });
        // Even a missing file is not looked at.
        const Verdict v = check(judge, {TaskKind::Programming, m_work->filePath(u"pro_1.c"_s), {}, sumCases()});
        QCOMPARE(v.kind, VerdictKind::NoCompiler);
        QCOMPARE(lookedFor, (QStringList{u"gcc"_s, u"cc"_s, u"clang"_s}));
        const QString text = VerdictText::text(v);
        QVERIFY2(text.startsWith(u"没有找到 C 编译器\n\n没有找到 C 编译器：在 PATH 中依次找了 gcc、cc、clang"_s), qPrintable(text));
        QVERIFY2(text.contains(u"sudo apt install gcc"_s), qPrintable(text));
    }

    void aRunningCheckRefusesASecondAndStopsWhenAsked()
    {
        const QString source = program(u"#include <time.h>\n"_s, u"    time_t end = time(NULL) + 60;\n    while (time(NULL) < end)\n        ;\n"_s);
        const JudgeTask task{TaskKind::Programming, writeSource(u"pro_8.c"_s, source.toUtf8()), {}, sumCases()};
        Judge judge;
        QSignalSpy finished(&judge, &Judge::finished);
        QSignalSpy progress(&judge, &Judge::progress);
        QVERIFY(judge.start(task));
        QVERIFY(!judge.start(task));
        QTRY_VERIFY_WITH_TIMEOUT(processesNamed(u"pro_8"_s) == 1, 30000);
        QCOMPARE(progress.last().at(0).toString(), u"正在运行测试 1/2……"_s);
        judge.stop();
        QVERIFY(!judge.isRunning());
        QTRY_COMPARE_WITH_TIMEOUT(processesNamed(u"pro_8"_s), 0, 10000);
        QTest::qWait(100);
        QVERIFY(finished.isEmpty());
        // Stopped, it takes the next check.
        QVERIFY(judge.start(programming(kRightAverage)));
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.first().at(0).value<Verdict>().kind, VerdictKind::Passed);
    }
};

QTEST_GUILESS_MAIN(TestJudge)
#include "tst_judge.moc"
