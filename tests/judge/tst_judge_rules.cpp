// The rules behind a verdict, without a compiler: when outputs agree, which compiler is taken, and
// how verdicts are worded for the student.

#include "judge/CodeBlanks.h"
#include "judge/CompilerAdvice.h"
#include "judge/CompilerLookup.h"
#include "judge/CompilerMessages.h"
#include "judge/FillIn.h"
#include "judge/LineChanges.h"
#include "judge/OutputComparison.h"
#include "judge/VerdictText.h"
#include "support/Verdicts.h"

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
        QTest::newRow("no final line break") << u"55\n"_s << u"55"_s << -1;
        QTest::newRow("CR LF") << u"a\nb\n"_s << u"a\r\nb\r\n"_s << -1;
        QTest::newRow("blanks at line end") << u"1 2 3\n"_s << u"1 2 3  \t\n"_s << -1;
        QTest::newRow("empty lines at the end") << u"x\n"_s << u"x\n\n\r\n"_s << -1;
        QTest::newRow("blanks inside a line") << u"a b\n"_s << u"a  b\n"_s << 0;
        QTest::newRow("leading blank") << u"a\nb\n"_s << u"a\n b\n"_s << 1;
        QTest::newRow("line missing") << u"a\nb\n"_s << u"a\n"_s << 1;
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
    }

    // Verdicts with one thing to say each, said in the shortest text that says it: a long output
    // or data file is cut.
    void verdictsSayWhatTheStudentNeeds_data()
    {
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("expected");
        Verdict cpu = verdictOf(VerdictKind::TimeLimit);
        cpu.failedCase.number = 2;
        cpu.bound = Bound::CpuTime;
        QTest::newRow("CPU time") << cpu << u"运行超时\n\n测试 2：程序用了超过 2 秒的 CPU 时间，已被终止。"_s;
        Verdict fills = verdictOf(VerdictKind::CompileError);
        fills.blanks = {1, 2};
        fills.fills = {u"i <= n"_s, QString()};
        QTest::newRow("fills") << fills << u"你填的内容：\n【1】i <= n\n【2】（空）"_s;
        Verdict warned = verdictOf(VerdictKind::Passed, 2, 2);
        warned.compilerMessages = u"pro_1.c:4:9: warning: unused variable 'k'"_s;
        QTest::newRow("warnings of a program that ran")
            << warned << u"编译器的警告（不影响运行，但常常指出错误）：\npro_1.c:4:9: warning: unused variable 'k'"_s;
        // A character is never split, and the line says how much of it is not shown.
        Verdict longLine = verdictOf(VerdictKind::RunError);
        longLine.exitCode = 1;
        longLine.failedCase.actual = QString(199, u'x') + u"😀"_s + QString(60000, u'y');
        QTest::newRow("long line") << longLine << u"实际输出：\n"_s + QString(199, u'x') + u"……（这一行还有 60002 个字符）"_s;
        QStringList lines;
        for (int i = 1; i <= 100; ++i)
            lines << QString::number(i);
        Verdict data = longLine;
        data.failedCase.actual.clear();
        data.failedCase.dataName = u"data_21.dat"_s;
        data.failedCase.data = lines.mid(0, 30).join(u'\n');
        QTest::newRow("long data file, no input")
            << data << u"实际输出：\n（无）\n\n数据文件 data_21.dat：\n"_s + lines.mid(0, 20).join(u'\n') + u"\n……（数据文件共 30 行，这里只显示开头）"_s;
        // A long output is shown from a little before its first difference to a little after it.
        Verdict longOutput = verdictOf(VerdictKind::WrongOutput);
        longOutput.failedCase.number = 1;
        longOutput.failedCase.expected = lines.join(u'\n');
        longOutput.failedCase.actual = (lines.mid(0, 59) << u"x"_s << lines.mid(60)).join(u'\n');
        longOutput.failedCase.firstDifference = 59;
        QTest::newRow("long output") << longOutput
                                     << u"测试 1 没有通过。第 60 行起输出不同（下面用 > 标出，^ 指出第一个不同的字符）。\n\n"
                                        u"实际输出：\n……（前面还有 54 行）\n  55 | 55\n  56 | 56\n  57 | 57\n  58 | 58\n  59 | 59\n> 60 | x\n       ^\n"
                                        u"  61 | 61\n  62 | 62\n  63 | 63\n  64 | 64\n……（后面还有 36 行）\n\n应当输出："_s;
        // Characters one cannot see are shown visibly, so that outputs differing only in them differ on screen.
        const auto shown = [](const QString &actual) {
            Verdict v = verdictOf(VerdictKind::WrongOutput);
            v.failedCase.expected = u"ab\n"_s;
            v.failedCase.actual = actual;
            v.failedCase.firstDifference = 0;
            return v;
        };
        QTest::newRow("ESC") << shown(u"\x1b[1mab\n"_s) << u"实际输出：\n> 1 | \\033[1mab\n"_s;
        QTest::newRow("CR inside a line") << shown(u"ab\rab\n"_s) << u"实际输出：\n> 1 | ab\\rab\n"_s;
        QTest::newRow("DEL") << shown(u"ab\x7f\n"_s) << u"实际输出：\n> 1 | ab\\177\n"_s;
        QTest::newRow("tab stays") << shown(u"a\tb\n"_s) << u"实际输出：\n> 1 | a\tb\n"_s;
    }

    void verdictsSayWhatTheStudentNeeds()
    {
        QFETCH(Verdict, verdict);
        QFETCH(QString, expected);
        const QString text = VerdictText::text(verdict);
        QVERIFY2(text.contains(expected) && text.size() < 1000, qPrintable(text.left(1000)));
    }

    void hiddenCaseSaysOnlyWhatKindOfInputItHolds()
    {
        Verdict v = verdictOf(VerdictKind::RunError, 1);
        v.failedCase.number = 3;
        v.failedCase.hidden = true;
        v.crashed = true;
        v.exitCode = SIGFPE;
        v.failedCase.input = u"-8 3\n"_s; // what the case ran on, never shown
        QCOMPARE(VerdictText::text(v),
                 u"运行出错\n\n隐藏测试 3：程序异常终止：SIGFPE（算术错误，例如整数除以 0）。\n"
                 u"隐藏测试的输入和答案不公开；前面的 1 个测试都通过了，请想一想程序还有哪些情况没有照顾到。"_s);
        v.failedCase.description = u"空文件"_s;
        QVERIFY(VerdictText::text(v).contains(u"\n这个测试的输入：空文件。隐藏测试的输入和答案不公开"_s));
    }

    // The note of a run outside the sandbox, which the sandbox suite checks, stands only where a
    // program ran outside it.
    void noSandboxNoteWhereNoProgramRanOutsideIt_data()
    {
        QTest::addColumn<VerdictKind>("kind");
        QTest::addColumn<Isolation>("isolation");
        QTest::newRow("sandboxed") << VerdictKind::RunError << Isolation::Sandboxed;
        QTest::newRow("compile error") << VerdictKind::CompileError << Isolation::NoBwrap;
        QTest::newRow("compiled only") << VerdictKind::CompiledOnly << Isolation::NoBwrap;
    }

    void noSandboxNoteWhereNoProgramRanOutsideIt()
    {
        QFETCH(VerdictKind, kind);
        QFETCH(Isolation, isolation);
        Verdict v = verdictOf(kind);
        v.isolation = isolation;
        QVERIFY2(!VerdictText::text(v).contains(u"注意："_s), qPrintable(VerdictText::text(v)));
    }

    void fillsAreFoundBetweenTheFixedText_data()
    {
        QTest::addColumn<QString>("handedOut");
        QTest::addColumn<QString>("student");
        QTest::addColumn<int>("changedLine");
        QTest::addColumn<QStringList>("fills");
        QTest::addColumn<QList<int>>("unfilled");
        const QString lines = u"int s = 0;\nfor (i = 1; ___1___; i++)\n    ___2___;\nprintf(\"%d\", s);\n"_s;
        QTest::newRow("in place") << lines << u"int s = 0;\nfor (i = 1; i <= n; i++)\n    s += i;\nprintf(\"%d\", s);\n"_s << 0
                                  << QStringList{u"i <= n"_s, u"s += i"_s} << QList<int>{};
        // Text that could be fixed text or a fill is taken as the fill after it.
        QTest::newRow("fixed text repeated in a fill")
            << lines << u"int s = 0;\nfor (i = 1; i < n; i++) s++; i++)\n    s += i;\nprintf(\"%d\", s);\n"_s << 0
            << QStringList{u"i < n"_s, u"s++; i++) s += i"_s} << QList<int>{};
        QTest::newRow("CR LF and tabs") << lines << u"int s=0;\r\nfor(i=1;\ti<=n;\r\ni++)\r\n\ts+=i ;\r\nprintf(\"%d\",s);\r\n"_s << 0
                                        << QStringList{u"i<=n"_s, u"s+=i"_s} << QList<int>{};
        QTest::newRow("marks left") << lines << lines << 0 << QStringList{u"___1___"_s, u"___2___"_s} << QList<int>{1, 2};
        QTest::newRow("one emptied") << lines << u"int s = 0;\nfor (i = 1; ; i++)\n    s += i;\nprintf(\"%d\", s);\n"_s << 0
                                     << QStringList{QString(), u"s += i"_s} << QList<int>{1};
        QTest::newRow("first line changed") << lines << u"int s = 1;\nfor (i = 1; x; i++)\n    y;\nprintf(\"%d\", s);\n"_s << 1
                                            << QStringList{} << QList<int>{};
        QTest::newRow("line between blanks changed") << u"a(___1___);\nb();\nc();\nd(___2___);\n"_s << u"a(1);\nb();\nC();\nd(2);\n"_s << 3
                                                     << QStringList{} << QList<int>{};
        QTest::newRow("last line changed") << lines << u"int s = 0;\nfor (i = 1; x; i++)\n    y;\nprintf(\"%d\", 55);\n"_s << 4
                                           << QStringList{} << QList<int>{};
        QTest::newRow("line added at the end") << lines << u"int s = 0;\nfor (i = 1; x; i++)\n    y;\nprintf(\"%d\", s);\nputs(\"\");\n"_s << 5
                                               << QStringList{} << QList<int>{};
        QTest::newRow("a blank in a string changed") << u"puts(\"a b\");\nx = ___1___;\n"_s << u"puts(\"a  b\");\nx = 1;\n"_s << 1
                                                     << QStringList{} << QList<int>{};
        QTest::newRow("a mark inside a string") << u"printf(\"%d ___1___\\n\", x);\n"_s << u"printf(\"%d %d\\n\", x);\n"_s << 0
                                                << QStringList{u"%d"_s} << QList<int>{};
        QTest::newRow("no blanks") << u"int x;\n"_s << u"int  x ;\n"_s << 0 << QStringList{} << QList<int>{};
    }

    void fillsAreFoundBetweenTheFixedText()
    {
        QFETCH(QString, handedOut);
        QFETCH(QString, student);
        QFETCH(int, changedLine);
        QFETCH(QStringList, fills);
        QFETCH(QList<int>, unfilled);
        const FillIn::Reading r = FillIn::read(handedOut, student);
        QCOMPARE(r.fixedTextKept, changedLine == 0);
        QCOMPARE(r.changedLine, changedLine);
        QCOMPARE(r.fills, fills);
        QCOMPARE(r.unfilled, unfilled);
    }

    void blanksCountOnlyInsideLiterals_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("squeezed");
        QTest::newRow("code") << u"int  a = 1 ;\r\n\tb ++;"_s << u"int a=1;b++;"_s;
        QTest::newRow("tokens kept apart") << u"x = a - -b + + c;\nreturn  0;"_s << u"x=a- -b+ +c;return 0;"_s;
        QTest::newRow("macro with arguments") << u"#define MAX(a, b) a\n#define  MIN (a) b"_s << u"#define MAX(a,b)a#define MIN (a)b"_s;
        QTest::newRow("string") << u"printf(\"a  b\\n\" , x);"_s << u"printf(\"a  b\\n\",x);"_s;
        QTest::newRow("escaped quote") << u"s = \"say \\\" hi\" ;"_s << u"s=\"say \\\" hi\";"_s;
        QTest::newRow("character") << u"if (c == ' ') n++;"_s << u"if(c==' ')n++;"_s;
        QTest::newRow("quote in a comment") << u"/* don't */ int  a; // it's\nint  b;"_s << u"/*don't*/int a;//it'sint b;"_s;
        QTest::newRow("string left open") << u"puts(\"a b\n  c;"_s << u"puts(\"a b c;"_s;
        QTest::newRow("beside a mark") << u"return ___1___ ;\nx = ___2___ + 1;"_s << u"return___1___;x=___2___+1;"_s;
    }

    void blanksCountOnlyInsideLiterals()
    {
        QFETCH(QString, code);
        QFETCH(QString, squeezed);
        QCOMPARE(CodeBlanks::squeezed(code), squeezed);
    }

    void changedLinesCountEachFaultOnce_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("changed");
        QTest::addColumn<QList<int>>("afterLines");
        QTest::addColumn<QList<int>>("beforeLines");
        QTest::newRow("same") << u"a\nb\nc"_s << u"a\nb\nc\n"_s << 0 << QList<int>{} << QList<int>{};
        QTest::newRow("two apart") << u"a\nb\nc\nd"_s << u"A\nb\nc\nD"_s << 2 << QList<int>{1, 4} << QList<int>{};
        QTest::newRow("two together") << u"a\nb\nc\nd"_s << u"a\nB\nC\nd"_s << 2 << QList<int>{2, 3} << QList<int>{};
        QTest::newRow("line added") << u"a\nc"_s << u"a\nb\nc"_s << 1 << QList<int>{2} << QList<int>{};
        QTest::newRow("line removed") << u"a\nb\nc"_s << u"a\nc"_s << 1 << QList<int>{} << QList<int>{2};
        QTest::newRow("changed and added") << u"a\nb\nd"_s << u"a\nB\nc\nd"_s << 2 << QList<int>{2, 3} << QList<int>{};
        QTest::newRow("a blank in a string") << u"scanf(\"%d%c\", &a, &c);"_s << u"scanf(\"%d %c\", &a, &c);"_s << 1 << QList<int>{1}
                                             << QList<int>{};
        QTest::newRow("blanks only") << u"a\n  b = 1;\nc"_s << u"a\n\n\tb=1 ;\r\n\nc"_s << 0 << QList<int>{} << QList<int>{};
    }

    void changedLinesCountEachFaultOnce()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, changed);
        QFETCH(QList<int>, afterLines);
        QFETCH(QList<int>, beforeLines);
        const LineChanges::Changes c = LineChanges::between(before, after);
        QCOMPARE(c.count, changed);
        QCOMPARE(c.afterLines, afterLines);
        QCOMPARE(c.beforeLines, beforeLines);
    }

    void compilerMessagesAreReadOneByOne()
    {
        const QString source = u"int main(void)\n{\n    int x = 3\n\n    return x;\n}\n"_s;
        const QString output = u"u.c: In function 'main':\nu.c:5:5: error: expected ',' or ';' before 'return'\n    5 |     return x;\n"
                               u"      |     ^~~~~~\nu.c:3:9: warning: unused variable 'y' [-Wunused-variable]\n    3 |     int y = 3\n"
                               u"/usr/bin/ld: /tmp/ccX.o: in function `main':\nu.c:(.text+0x9): undefined reference to `mian'\n"
                               u"collect2: error: ld returned 1 exit status\n"_s;
        const QList<CompilerMessage> m = CompilerMessages::parse(output, u"u.c"_s, source);
        QCOMPARE(m.size(), 3);
        QCOMPARE(m[0].line, 5);
        QCOMPARE(m[0].faultLine, 3); // the statement that lacks its ';' ends on line 3
        QVERIFY(m[0].error);
        QCOMPARE(m[0].text, u"u.c:5:5: error: expected ',' or ';' before 'return'\n    5 |     return x;\n      |     ^~~~~~"_s);
        QVERIFY(!m[1].error);
        QCOMPARE(m[2].line, 0);
        QCOMPARE(m[2].message, u"undefined reference to `mian'"_s);
        // A ';' missing before a token in the middle of a line is missing on that line.
        const QList<CompilerMessage> inLine = CompilerMessages::parse(u"u.c:3:15: error: expected ';' before 'return'"_s, u"u.c"_s,
                                                                      u"int main(void)\n{\n    int x = 3 return x;\n}\n"_s);
        QCOMPARE(inLine.value(0).faultLine, 3);
    }

    void commonMessagesAreExplainedInChinese_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("error");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<bool>("explainsRun");
        QTest::newRow("undeclared") << u"'sum' undeclared (first use in this function)"_s << true << u"sum 没有定义"_s << false;
        QTest::newRow("header") << u"implicit declaration of function 'strlen' [-Wimplicit-function-declaration]"_s << false
                                << u"#include <string.h>"_s << true;
        QTest::newRow("own function") << u"implicit declaration of function 'area'"_s << false << u"函数 area 在使用前没有声明"_s << true;
        QTest::newRow("format and argument") << u"format '%d' expects argument of type 'int', but argument 2 has type 'double' [-Wformat=]"_s
                                             << false << u"%d 要的是 int 类型，第 2 个参数却是 double"_s << true;
        QTest::newRow("unused") << u"unused variable 'k' [-Wunused-variable]"_s << false << u"变量 k 定义了却没有用到"_s << false;
        QTest::newRow("not a common one") << u"invalid storage class for function 'f'"_s << true << QString() << false;
    }

    void commonMessagesAreExplainedInChinese()
    {
        QFETCH(QString, message);
        QFETCH(bool, error);
        QFETCH(QString, explanation);
        QFETCH(bool, explainsRun);
        CompilerMessage m;
        m.message = message;
        m.error = error;
        const QString text = CompilerAdvice::explain(m);
        if (explanation.isEmpty())
            QVERIFY2(text.isEmpty(), qPrintable(text));
        else
            QVERIFY2(text.contains(explanation), qPrintable(text));
        QCOMPARE(CompilerAdvice::mayExplainRun(m), explainsRun);
    }

    // A warning that may explain a failed run comes first, explained, before the case.
    void warningsThatMayExplainAFailedRunComeFirst()
    {
        Verdict v = verdictOf(VerdictKind::RunError);
        v.crashed = true;
        v.exitCode = SIGSEGV;
        v.failedCase.number = 1;
        CompilerMessage unused{4, 9, false, u"unused variable 'k'"_s, u"pro_1.c:4:9: warning: unused variable 'k'"_s, 4};
        CompilerMessage scanf{6, 13, false, u"format '%d' expects argument of type 'int *', but argument 2 has type 'int'"_s,
                              u"pro_1.c:6:13: warning: format '%d' expects argument of type 'int *', but argument 2 has type 'int'"_s, 6};
        v.compilerNotes = {unused, scanf};
        v.compilerMessages = unused.text + u'\n' + scanf.text;
        const QString text = VerdictText::text(v);
        QVERIFY2(text.startsWith(u"运行出错\n\n测试 1：程序异常终止：SIGSEGV"_s), qPrintable(text));
        const qsizetype suspects = text.indexOf(u"编译器的警告可能说明了原因：\n第 6 行：scanf 的参数前少了 &"_s);
        QVERIFY2(suspects > 0 && suspects < text.indexOf(u"实际输出"_s), qPrintable(text));
        // In the full list at the end as well, ahead of the harmless one.
        QVERIFY2(text.indexOf(u"pro_1.c:6:13"_s) < text.indexOf(u"pro_1.c:4:9"_s), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestJudgeRules)
#include "tst_judge_rules.moc"
