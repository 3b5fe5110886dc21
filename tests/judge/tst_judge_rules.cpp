// The rules behind a verdict, without a compiler: when outputs agree, which compiler is taken, and
// how verdicts are worded for the student.

#include "judge/CompilerLookup.h"
#include "judge/OutputComparison.h"
#include "judge/VerdictText.h"

#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

class TestJudgeRules : public QObject
{
    Q_OBJECT

private slots:
    void outputsAgreeUpToLineEndsAndTrailingBlanks_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("actual");
        QTest::addColumn<int>("difference");
        QTest::newRow("same") << u"1 2\n3\n"_s << u"1 2\n3\n"_s << -1;
        QTest::newRow("no final line break") << u"55\n"_s << u"55"_s << -1;
        QTest::newRow("CR LF") << u"a\nb\n"_s << u"a\r\nb\r\n"_s << -1;
        QTest::newRow("blanks at line end") << u"1 2 3\n"_s << u"1 2 3  \t\n"_s << -1;
        QTest::newRow("empty lines at the end") << u"x\n"_s << u"x\n\n\r\n"_s << -1;
        QTest::newRow("blanks inside a line") << u"a b\n"_s << u"a  b\n"_s << 0;
        QTest::newRow("leading blank") << u"a\nb\n"_s << u"a\n b\n"_s << 1;
        QTest::newRow("line missing") << u"a\nb\n"_s << u"a\n"_s << 1;
        QTest::newRow("line too many") << u"a\n"_s << u"a\nb\n"_s << 1;
        QTest::newRow("empty line inside") << u"a\nb\n"_s << u"a\n\nb\n"_s << 1;
        QTest::newRow("nothing printed") << u"7\n"_s << QString() << 0;
    }

    void outputsAgreeUpToLineEndsAndTrailingBlanks()
    {
        QFETCH(QString, expected);
        QFETCH(QString, actual);
        QFETCH(int, difference);
        QCOMPARE(OutputComparison::firstDifference(OutputComparison::lines(expected), OutputComparison::lines(actual)), difference);
    }

    void firstCompilerFoundIsTaken()
    {
        const QStringList installed{u"cc"_s, u"clang"_s};
        const auto finder = [&](const QString &name) { return installed.contains(name) ? u"/usr/bin/"_s + name : QString(); };
        QCOMPARE(CompilerLookup::find(finder), u"/usr/bin/cc"_s);
        QCOMPARE(CompilerLookup::find([](const QString &) { return QString(); }), QString());
    }

    void timeLimitsSayWhichTime()
    {
        Verdict v;
        v.kind = VerdictKind::TimeLimit;
        v.failedCase.number = 2;
        v.bound = Bound::CpuTime;
        QVERIFY(VerdictText::text(v).startsWith(u"运行超时\n\n测试 2：程序用了超过 2 秒的 CPU 时间，已被终止。"_s));
        v.bound = Bound::WallTime;
        QVERIFY(VerdictText::text(v).contains(u"程序运行超过 5 秒还没有结束"_s));
    }

    void hiddenCaseSaysOnlyWhatKindOfInputItHolds()
    {
        Verdict v;
        v.kind = VerdictKind::RunError;
        v.passed = 1;
        v.failedCase.number = 3;
        v.failedCase.hidden = true;
        v.crashed = true;
        v.exitCode = SIGFPE;
        QCOMPARE(VerdictText::text(v),
                 u"运行出错\n\n隐藏测试 3：程序异常终止：SIGFPE（算术错误，例如整数除以 0）。\n"
                 u"隐藏测试的输入和答案不公开；前面的 1 个测试都通过了，请想一想程序还有哪些情况没有照顾到。"_s);
        v.failedCase.description = u"空文件"_s;
        QVERIFY(VerdictText::text(v).contains(u"\n这个测试的输入：空文件。隐藏测试的输入和答案不公开"_s));
    }

    void longOutputIsCutAfterTheFirstDifference()
    {
        Verdict v;
        v.kind = VerdictKind::WrongOutput;
        v.failedCase.number = 1;
        QStringList lines;
        for (int i = 1; i <= 100; ++i)
            lines << QString::number(i);
        v.failedCase.expected = lines.join(u'\n');
        lines[59] = u"x"_s;
        v.failedCase.actual = lines.join(u'\n');
        v.failedCase.firstDifference = 59;
        const QString text = VerdictText::text(v);
        QVERIFY2(text.contains(u"> 60 | x\n  61 | 61\n"_s), qPrintable(text));
        QVERIFY2(text.contains(u"  64 | 64\n……（后面还有 36 行）"_s), qPrintable(text));
        QVERIFY2(text.contains(u"输入：\n（无）"_s), qPrintable(text));
    }

    // Outputs that differ only in characters one cannot see are shown with those characters visible.
    void controlCharactersAreShownVisibly_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("shown");
        QTest::newRow("NUL") << u"ab\0c\n"_s << u"> 1 | ab\\0c"_s;
        QTest::newRow("ESC") << u"\x1b[1mab\n"_s << u"> 1 | \\033[1mab"_s;
        QTest::newRow("BEL") << u"a\ab\n"_s << u"> 1 | a\\ab"_s;
        QTest::newRow("CR inside a line") << u"ab\rab\n"_s << u"> 1 | ab\\rab"_s;
        QTest::newRow("DEL") << u"ab\x7f\n"_s << u"> 1 | ab\\177"_s;
        QTest::newRow("tab stays") << u"a\tb\n"_s << u"> 1 | a\tb"_s;
    }

    void controlCharactersAreShownVisibly()
    {
        QFETCH(QString, actual);
        QFETCH(QString, shown);
        Verdict v;
        v.kind = VerdictKind::WrongOutput;
        v.failedCase.number = 1;
        v.failedCase.expected = u"ab\n"_s;
        v.failedCase.actual = actual;
        v.failedCase.firstDifference = 0;
        const QString text = VerdictText::text(v);
        QVERIFY2(text.contains(u"实际输出：\n"_s + shown + u'\n') || text.endsWith(u"实际输出：\n"_s + shown), qPrintable(text));
    }

    // A long line is cut, and says how much of it is not shown; a character is never split.
    void longLinesAreCut()
    {
        Verdict v;
        v.kind = VerdictKind::RunError;
        v.failedCase.number = 1;
        v.exitCode = 1;
        v.failedCase.actual = QString(199, u'x') + u"😀"_s + QString(60000, u'y');
        const QString text = VerdictText::text(v);
        QVERIFY2(text.contains(u"实际输出：\n"_s + QString(199, u'x') + u"……（这一行还有 60002 个字符）"_s), qPrintable(text.left(400)));
        QVERIFY(text.size() < 1000);
    }

    // Said once, under a verdict of a program that ran outside the sandbox; not where none ran.
    void aRunWithoutTheSandboxIsSaidOnce_data()
    {
        QTest::addColumn<VerdictKind>("kind");
        QTest::addColumn<Isolation>("isolation");
        QTest::addColumn<QString>("note");
        const QString missing = u"注意：本机没有安装 bubblewrap（bwrap），程序没有在沙箱中运行"_s;
        const QString refused = u"注意：bwrap 无法建立沙箱"_s;
        QTest::newRow("passed, no bwrap") << VerdictKind::Passed << Isolation::NoBwrap << missing;
        QTest::newRow("wrong output, no namespaces") << VerdictKind::WrongOutput << Isolation::NoNamespaces << refused;
        QTest::newRow("run error, no bwrap") << VerdictKind::RunError << Isolation::NoBwrap << missing;
        QTest::newRow("sandboxed") << VerdictKind::Passed << Isolation::Sandboxed << QString();
        QTest::newRow("compile error") << VerdictKind::CompileError << Isolation::NoBwrap << QString();
        QTest::newRow("compiled only") << VerdictKind::CompiledOnly << Isolation::NoBwrap << QString();
    }

    void aRunWithoutTheSandboxIsSaidOnce()
    {
        QFETCH(VerdictKind, kind);
        QFETCH(Isolation, isolation);
        QFETCH(QString, note);
        Verdict v;
        v.kind = kind;
        v.isolation = isolation;
        v.failedCase.number = 1;
        v.exitCode = 1;
        const QString text = VerdictText::text(v);
        QCOMPARE(text.count(u"注意："_s), note.isEmpty() ? 0 : 1);
        QVERIFY2(text.contains(note), qPrintable(text));
    }

    void warningsFollowTheVerdictOfAProgramThatRan()
    {
        Verdict v;
        v.kind = VerdictKind::Passed;
        v.passed = v.total = 2;
        v.compilerMessages = u"pro_1.c:4:9: warning: unused variable 'k'"_s;
        QVERIFY(VerdictText::text(v).endsWith(u"编译器的警告（不影响运行，但常常指出错误）：\npro_1.c:4:9: warning: unused variable 'k'"_s));
    }
};

QTEST_GUILESS_MAIN(TestJudgeRules)
#include "tst_judge_rules.moc"
