// Students' programs checked with the real gcc: right and wrong ones, ones that do not compile,
// crash or run away, and files that are not ready. Every runaway program here stops by itself
// after a while, so a check that failed to stop it cannot take the machine down.

#include "judge/Judge.h"
#include "judge/VerdictText.h"

#include "StudentPrograms.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using StudentPrograms::check;
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

// A fill-in task: the sum of 1 to n, with two blanks.
const QString kSumBlanks = uR"(#include <stdio.h>
int main(void)
{
    int i, n = 10, sum = 0;
    for (i = 1; ___1___; i++)
        ___2___;
    printf("%d\n", sum);
    return 0;
}
)"_s;

// A correction task with one fault: line 6 subtracts.
const QString kFaultySum = uR"(#include <stdio.h>
int main(void)
{
    int a, b;
    scanf("%d%d", &a, &b);
    printf("%d\n", a - b);
    return 0;
}
)"_s;

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
        QVERIFY2(VerdictText::text(v).startsWith(u"全部通过 (3/3)\n\n程序在全部 3 个测试上输出正确（其中 2 个是隐藏测试）。"_s),
                 qPrintable(VerdictText::text(v)));
        QCOMPARE(contents(m_work->path()), before);
    }

    void missingSemicolonIsNamedAtTheEndOfItsLine()
    {
        const QString source = program(u"#include <stdio.h>\n"_s, u"    int a = 1\n    printf(\"%d\\n\", a);\n"_s);
        const Verdict v = check(JudgeTask{TaskKind::Correction, writeSource(u"err_2.c"_s, source.toUtf8()), {}, sumCases()});
        const QString text = VerdictText::text(v);
        // gcc names line 5, where it first sees that the statement of line 4 did not end.
        QVERIFY2(text.startsWith(u"编译错误\n\n程序第 4 行有错误，没有编译成功。\n\n第 4 行：缺少分号 ;"_s), qPrintable(text));
        QVERIFY2(text.contains(u"\nerr_2.c:5:5: error: expected"_s), qPrintable(text));
    }

    // Fill-in and correction files are held to the program handed out before the compiler sees them.
    // The compiler here cannot start: a file that reaches it gets "无法检查", with the fills it was read with.
    void filesAreHeldToTheTaskBeforeCompiling_data()
    {
        QTest::addColumn<TaskKind>("kind");
        QTest::addColumn<QString>("handedOut");
        QTest::addColumn<QString>("source");
        QTest::addColumn<VerdictKind>("verdict");
        QTest::addColumn<QString>("expected");
        QString filled = kSumBlanks;
        filled.replace(u"___1___"_s, u"i <= n"_s).replace(u"___2___"_s, u"sum += i"_s);
        QTest::newRow("fill-in filled") << TaskKind::FillIn << kSumBlanks << filled << VerdictKind::CannotCheck
                                        << u"你填的内容：\n【1】i <= n\n【2】sum += i"_s;
        QTest::newRow("fill-in, a line changed")
            << TaskKind::FillIn << kSumBlanks << QString(filled).replace(u"%d\\n\", sum"_s, u"55\\n\""_s) << VerdictKind::FixedTextChanged
            << u"第 7 行不是填空的地方，不能改动。"_s;
        QTest::newRow("fill-in, a blank left") << TaskKind::FillIn << kSumBlanks << QString(kSumBlanks).replace(u"___1___"_s, u"i <= n"_s)
                                               << VerdictKind::BlanksLeft << u"第 2 空还没有填"_s;
        // A task of an old bank, whose handed-out program has no marks: only the marks left are looked for.
        QTest::newRow("marks left")
            << TaskKind::FillIn << QString() << u"int main(void)\n{\n    int s = ___1___;\n    return ___3___;\n}\n"_s << VerdictKind::BlanksLeft
            << u"还有空没有填\n\n第 1、3 空还没有填（程序里还有 ___1___、___3___）。请在编辑器中填好、保存后再检查。"_s;
        const QString mended = QString(kFaultySum).replace(u"a - b"_s, u"a + b"_s);
        QTest::newRow("the fault mended") << TaskKind::Correction << kFaultySum << mended << VerdictKind::CannotCheck
                                          << u"无法启动 C 编译器"_s;
        QTest::newRow("one line more") << TaskKind::Correction << kFaultySum << QString(mended).replace(u"int a, b;"_s, u"int a, b, c;"_s)
                                       << VerdictKind::TooManyChanges
                                       << u"改动的行太多\n\n这道题有 1 处错误，只需要改动 1 行，这个程序却改动了 2 行：改动的是第 4、6 行。"_s;
        QTest::newRow("a line removed") << TaskKind::Correction << kFaultySum << QString(mended).replace(u"    return 0;\n"_s, QString())
                                        << VerdictKind::TooManyChanges << u"改动的是第 6 行，删去了原来的第 7 行"_s;
        QTest::newRow("missing file") << TaskKind::Programming << QString() << QString() << VerdictKind::MissingFile
                                      << u"找不到文件 /nonexistent/err_1.c，请先在编辑器中完成并保存。"_s;
    }

    void filesAreHeldToTheTaskBeforeCompiling()
    {
        QFETCH(TaskKind, kind);
        QFETCH(QString, handedOut);
        QFETCH(QString, source);
        QFETCH(VerdictKind, verdict);
        QFETCH(QString, expected);
        Judge judge;
        judge.setFinder([](const QString &) { return u"/nonexistent/gcc"_s; });
        JudgeTask task{kind, source.isNull() ? u"/nonexistent/err_1.c"_s : writeSource(u"err_1.c"_s, source.toUtf8()), {}, sumCases()};
        task.handedOut = handedOut;
        task.faults = 1;
        const Verdict v = check(judge, task);
        const QString text = VerdictText::text(v);
        QVERIFY2(v.kind == verdict, qPrintable(text));
        QVERIFY2(text.contains(expected), qPrintable(text));
    }

    void outputDifferingOnlyInBlanksIsAFormatError()
    {
        const QString source = program(u"#include <stdio.h>\n"_s,
                                       u"    int a, b;\n    scanf(\"%d%d\", &a, &b);\n    printf(\"sum: %d\\n\\n\", a + b);\n"_s);
        JudgeTask task{TaskKind::Programming, writeSource(u"pro_1.c"_s, source.toUtf8()), {}, sumCases()};
        task.cases[0].expected = u"sum:\n7\n"_s;
        const Verdict v = check(task);
        const QString text = VerdictText::text(v);
        QVERIFY2(text.startsWith(u"格式错误\n\n测试 1 没有通过：输出的内容都对，但空格、空行或换行与要求的不同。"_s), qPrintable(text));
        QVERIFY2(text.endsWith(u"输入：\n3 4"_s), qPrintable(text));
        QVERIFY2(text.contains(u"实际输出（· 是空格，↵ 是换行）：\n> 1 | sum:·7↵\n  2 | ↵\n\n应当输出：\n> 1 | sum:↵\n  2 | 7↵"_s), qPrintable(text));
    }

    // The open case of a task reading a data file shows the file, and where the output first differs.
    void dataFileOfAFailedCaseIsShown()
    {
        QString wrong = kRightAverage;
        wrong.replace(u"%.2f"_s, u"%.1f"_s);
        const QString text = VerdictText::text(check(programming(wrong)));
        QVERIFY2(text.contains(u"数据文件 data_11.dat：\n3 8 1 9 4"_s), qPrintable(text));
        // The caret stands under the first character that differs; the Chinese ones are two columns wide.
        QVERIFY2(text.contains(u"> 1 | 平均值=5.0\n"_s + QString(16, u' ') + u"^\n"_s), qPrintable(text));
    }

    // Programs that print the right answer by luck: they pass their cases, and only the second build
    // with the memory checkers shows their fault, named in the verdict's headline; a leak is a note.
    void faultsThatPassByLuckAreFoundByTheMemoryCheck_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("read past an array")
            << u"    int a[5] = {1, 2, 3, 4, 5}, i, last = 0, x, y;\n    scanf(\"%d%d\", &x, &y);\n"
               u"    for (i = 0; i <= 5; i++)\n        last = a[i];\n    printf(\"%d\\n\", x + y + last * 0);\n"_s
            << u"数组越界\n\n测试 1 的输出正确，但检查发现程序在第 9 行数组越界"_s;
        QTest::newRow("use after free")
            << u"    int *p = malloc(2 * sizeof *p);\n    scanf(\"%d%d\", &p[0], &p[1]);\n    int sum = p[0] + p[1];\n"
               u"    free(p);\n    printf(\"%d\\n\", sum);\n    if (p[1] == 12345)\n        puts(\"\");\n"_s
            << u"使用了已经释放的内存"_s;
        QTest::newRow("signed overflow")
            << u"    int x, y, big = 2147483647;\n    scanf(\"%d%d\", &x, &y);\n    big += x;\n    printf(\"%d\\n\", x + y);\n"_s
            << u"有符号整数溢出"_s;
        QTest::newRow("leak, a note")
            << u"    int *p = malloc(2 * sizeof *p);\n    scanf(\"%d%d\", &p[0], &p[1]);\n    printf(\"%d\\n\", p[0] + p[1]);\n"_s
            << u"全部通过 (2/2)\n\n程序在全部 2 个测试上输出正确（其中 1 个是隐藏测试）。\n\n提示：内存没有释放，申请在第 6 行"_s;
    }

    void faultsThatPassByLuckAreFoundByTheMemoryCheck()
    {
        QFETCH(QString, body);
        QFETCH(QString, expected);
        const QString source = program(u"#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n"_s, body);
        JudgeTask task{TaskKind::Programming, writeSource(u"pro_4.c"_s, source.toUtf8()), {}, sumCases()};
        task.checkMemory = false;
        Verdict v = check(task);
        QVERIFY2(v.kind == VerdictKind::Passed, qPrintable(VerdictText::text(v)));
        task.checkMemory = true;
        v = check(task);
        const QString text = VerdictText::text(v);
        QVERIFY2(text.startsWith(expected), qPrintable(text));
        // gcc's report follows, naming the student's file without the temporary folder.
        QVERIFY2(text.contains(u"pro_4.c:"_s) && !text.contains(u"/pro_4.c"_s), qPrintable(text));
    }

    void withoutTheCheckersRuntimeTheCheckIsSkipped()
    {
        // A compiler whose checkers' libraries are missing, as on a machine without libasan.
        const QString gcc = QStandardPaths::findExecutable(u"gcc"_s);
        const QString fake = writeSource(u"gcc-without-asan"_s, "#!/bin/sh\ncase \"$*\" in\n*-fsanitize*) echo \"/usr/bin/ld: cannot find "
                                                                "-lasan: No such file or directory\"; exit 1;;\nesac\nexec " + gcc.toUtf8() + " \"$@\"\n");
        QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Judge judge;
        judge.setFinder([&](const QString &) { return fake; });
        const Verdict v = check(judge, programming(kRightAverage));
        QCOMPARE(v.kind, VerdictKind::Passed);
        QVERIFY2(VerdictText::text(v).contains(u"（没有检查内存和未定义行为：这台电脑上的 C 编译器缺少检查用的运行库（libasan、libubsan）。）"_s),
                 qPrintable(VerdictText::text(v)));
    }

    // Each row misbehaves in one way, and stops by itself within a minute if nothing stops it. A
    // verdict names a bound only when the program reached it.
    void failedRunsAreStoppedAndNamed_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<Bound>("bound");
        QTest::addColumn<QString>("expected");
        QTest::newRow("null pointer") << u"    int *p = NULL;\n    printf(\"1\\n\");\n    fflush(stdout);\n    *p = 1;\n"_s << Bound::None
                                      << u"运行出错\n\n测试 1：程序异常终止：SIGSEGV（段错误"_s;
        QTest::newRow("exit status") << u"    exit(3);\n"_s << Bound::None << u"运行出错\n\n测试 1：程序结束时返回了 3，而不是 0"_s;
        // Signals and failures that only look like a bound: no bound was reached, none is named.
        QTest::newRow("raises SIGXCPU") << u"    raise(SIGXCPU);\n"_s << Bound::None << u"SIGXCPU（CPU 时间超限的信号，但程序并没有用完"_s;
        QTest::newRow("raises SIGXFSZ") << u"    raise(SIGXFSZ);\n"_s << Bound::None << u"SIGXFSZ（文件大小超限的信号"_s;
        QTest::newRow("150 MB, then division by zero")
            << u"    volatile int zero = 0;\n    char *p = malloc(150 << 20);\n    if (p == NULL)\n        return 1;\n"
               u"    memset(p, 1, 150 << 20);\n    printf(\"%d\\n\", p[0] / zero);\n"_s
            << Bound::None << u"SIGFPE（算术错误"_s;
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

    void failedRunsAreStoppedAndNamed()
    {
        QFETCH(QString, body);
        QFETCH(Bound, bound);
        QFETCH(QString, expected);
        const QString source = program(u"#include <signal.h>\n#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n"
                                       u"#include <time.h>\n#include <unistd.h>\n#include <sys/types.h>\n"_s, body);
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

    void withoutACompilerNothingElseHappens()
    {
        Judge judge;
        judge.setFinder([](const QString &) { return QString(); });
        // Even a missing file is not looked at.
        const Verdict v = check(judge, {TaskKind::Programming, m_work->filePath(u"pro_1.c"_s), {}, sumCases()});
        QCOMPARE(v.kind, VerdictKind::NoCompiler);
        QVERIFY2(VerdictText::text(v).startsWith(u"没有找到 C 编译器\n\n没有找到 C 编译器：在 PATH 中依次找了 gcc、cc、clang，都没有找到。"
                                                 u"请先安装 gcc，例如在终端中运行：\n\n    sudo apt install gcc"_s),
                 qPrintable(VerdictText::text(v)));
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
