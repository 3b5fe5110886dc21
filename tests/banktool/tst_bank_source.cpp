#include "banktool/BankSource.h"
#include "banktool/BankWriter.h"
#include "banktool/TitleText.h"
#include "data/SqliteBank.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// The bank tool's checks: each fault in a source is reported with its file and line, and a
// clean source compiles into a bank the program can open, its titles read as paragraphs.
class TestBankSource : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void write(const QString &relative, const QByteArray &yaml)
    {
        const QString path = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(yaml);
    }

    void clear()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    QStringList errorsOf(const QByteArray &chapterYaml)
    {
        clear();
        write(QStringLiteral("chapters/01.yaml"), chapterYaml);
        QStringList errors;
        readBankSource(m_dir.path(), errors);
        return errors;
    }

    // Each case of a task as "case_no|data|output|hidden|about", with data "null" where the task has no file.
    static QStringList casesIn(SqliteBank &bank, const QString &table, const QString &taskId)
    {
        QStringList rows;
        for (const Record &c : bank.cases(table, taskId.toInt()))
            rows << u"%1|%2|%3|%4|%5"_s.arg(c.text(u"case_no"_s), c.isNull(u"data"_s) ? u"null"_s : c.text(u"data"_s), c.text(u"output"_s),
                                            c.text(u"hidden"_s), c.text(u"about"_s));
        return rows;
    }

    static QByteArray chapterWith(const QByteArray &exercise)
    {
        return "id: \"01\"\ntitle: 概述\nstudy: 学习内容\nexercise:\n" + exercise;
    }

    static QByteArray choice(const QByteArray &answer = "A", const QByteArray &options = "[\"1\", \"2\", \"3\", \"4\"]")
    {
        return "  - title: 题目\n    options: " + options + "\n    answer: " + answer + "\n    explain: 解析\n";
    }

private slots:
    void initTestCase()
    {
        qputenv("LC_ALL", "C.UTF-8"); // messages in English, whatever the machine's language
    }

    void faultsAreReportedWithFileAndLine_data()
    {
        QTest::addColumn<QByteArray>("yaml");
        QTest::addColumn<QString>("expected");
        QTest::newRow("id of one character") << QByteArray("id: \"1\"\ntitle: t\n") << "chapters/01.yaml:1: id must have exactly two characters";
        QTest::newRow("unknown kind") << chapterWith("  essay:\n    - title: x\n") << "chapters/01.yaml:5: unknown key 'essay'";
        // A fault of one field names the field's line, not the question's first.
        QTest::newRow("three options") << chapterWith("  choice:\n" + choice("A", "[\"1\", \"2\", \"3\"]"))
                                       << "chapters/01.yaml:7: a choice question needs exactly four options, found 3";
        QTest::newRow("equal options") << chapterWith("  choice:\n" + choice("A", "[\"1\", \"1\", \"3\", \"4\"]"))
                                       << "chapters/01.yaml:7: the four options must differ";
        QTest::newRow("faults zero") << chapterWith("  err:\n    - title: t\n      program: p\n      corrected: q\n      faults: 0\n"
                                                    "      explain: e\n      output: o\n")
                                     << "chapters/01.yaml:9: 'faults' must be a number of at least 1";
        QTest::newRow("output not ASCII")
            << chapterWith("  pro:\n    - title: t\n      program: p\n      answer: a\n      explain: e\n      output: |\n        最大值=9\n")
            << "chapters/01.yaml:10: 'output' must be ASCII only";
        QTest::newRow("case data not ASCII")
            << chapterWith("  pro:\n    - title: t\n      program: p\n      answer: a\n      explain: e\n      data: \"1\"\n"
                           "      output: o\n      cases:\n        - input: \"\"\n          data: 张三 90\n          output: o\n")
            << "chapters/01.yaml:14: 'data' must be ASCII only";
        QByteArray sixTasks = "  pro:\n";
        for (int i = 0; i < 6; ++i)
            sixTasks += "    - {title: t, program: p, answer: a, explain: e, output: o}\n";
        QTest::newRow("six programming tasks in an exercise") << chapterWith(sixTasks) << "'pro' holds 6 questions; at most 5 fit";
        QTest::newRow("fills do not match blanks")
            << chapterWith("  blank:\n    - {title: t, program: \"a ___1___ b ___2___\", fills: [x], explain: e, output: o}\n")
            << "chapters/01.yaml:6: 2 blanks but 1 fills";
        QTest::newRow("blank numbering with a gap")
            << chapterWith("  blank:\n    - {title: t, program: \"a ___2___\", fills: [x], explain: e, output: o}\n")
            << "blank ___1___ is missing";
        QTest::newRow("case without output")
            << chapterWith("  blank:\n    - title: t\n      program: \"a ___1___\"\n      fills: [x]\n      explain: e\n"
                           "      output: o\n      cases:\n        - input: \"1\"\n")
            << "chapters/01.yaml:12: missing 'output'";
        QTest::newRow("case of a data task without data")
            << chapterWith("  pro:\n    - title: t\n      program: p\n      answer: a\n      explain: e\n      data: \"1\"\n"
                           "      output: o\n      cases:\n        - {input: \"1\", output: o}\n")
            << "chapters/01.yaml:13: the task has a data file, so each case gives its 'data'";
        QTest::newRow("data in a case of a task without a data file")
            << chapterWith("  pro:\n    - title: t\n      program: p\n      answer: a\n      explain: e\n      output: o\n"
                           "      cases:\n        - {data: \"1\", output: o}\n")
            << "chapters/01.yaml:12: unknown key 'data'";
        QTest::newRow("hidden neither true nor false")
            << chapterWith("  pro:\n    - title: t\n      program: p\n      answer: a\n      explain: e\n      output: o\n"
                           "      cases:\n        - {input: \"1\", output: o, hidden: maybe}\n")
            << "'hidden' must be true or false";
        QTest::newRow("broken YAML") << QByteArray("id: \"01\"\ntitle: [unclosed\n") << "chapters/01.yaml:";
    }

    void faultsAreReportedWithFileAndLine()
    {
        QFETCH(QByteArray, yaml);
        QFETCH(QString, expected);
        const QString all = errorsOf(yaml).join(u'\n');
        QVERIFY2(all.contains(expected), qPrintable(all));
    }

    // A plain value ends at " #"; the rest of its line would silently become a comment.
    void plainTextCutByAHashIsRefused_data()
    {
        QTest::addColumn<QByteArray>("yaml");
        QTest::addColumn<QString>("expected"); // empty: no complaint about a cut text
        const QByteArray head = "id: \"01\"\nstudy: s\n";
        QTest::newRow("a plain answer followed by a comment") << head + "title: t\nexercise:\n  choice:\n    - title: q\n      answer: B # 注\n"
                                                              << "chapters/01.yaml:7: an unquoted text ends at";
        // The parser counts columns in bytes: Chinese before the value on its line must not shift it.
        QTest::newRow("Chinese before the value") << head + "title: t\n选项: x #y\n"
                                                  << "chapters/01.yaml:4: an unquoted text ends at \" #\" and the rest of the line becomes a comment: 'x #y'";
        QTest::newRow("quoted") << head + "title: \"关于 #include 的叙述\"\n" << QString();
        QTest::newRow("a hash inside a word") << head + "title: a#b\n" << QString();
        QTest::newRow("a comment after a quoted value") << QByteArray("id: \"01\"  # 两位\nstudy: s\ntitle: t\n") << QString();
    }

    void plainTextCutByAHashIsRefused()
    {
        QFETCH(QByteArray, yaml);
        QFETCH(QString, expected);
        const QString all = errorsOf(yaml).join(u'\n');
        if (expected.isEmpty())
            QVERIFY2(!all.contains(u"unquoted"_s), qPrintable(all));
        else
            QVERIFY2(all.contains(expected), qPrintable(all));
    }

    void tabsAreNamedInPlainWordsOncePerFile()
    {
        const QStringList errors = errorsOf("id: \"01\"\ntitle: t\nstudy: |\n\tline one\n\tline two\n");
        QCOMPARE(errors.size(), 1); // not yaml-cpp's own message as well
        QVERIFY2(errors[0].contains(u"chapters/01.yaml:4: a tab in the indentation"_s), qPrintable(errors[0]));
        QVERIFY2(errors[0].contains(u"(2 lines of this file have them)"_s), qPrintable(errors[0]));
    }

    void messagesAreChineseWhereTheSystemSpeaksChinese()
    {
        qputenv("LC_ALL", "zh_CN.UTF-8");
        const QString all = errorsOf(chapterWith("  choice:\n" + choice("E"))).join(u'\n');
        qputenv("LC_ALL", "C.UTF-8");
        QVERIFY2(all.contains(u"chapters/01.yaml:8: answer 必须是 A、B、C 或 D，不能是 'E'"_s), qPrintable(all));
    }

    void duplicateIdsNameBothPlaces()
    {
        clear();
        write(QStringLiteral("algorithms/01.yaml"), "id: \"07\"\ntitle: a\ndescription: d\nprogram: p\noutput: o\n");
        write(QStringLiteral("algorithms/02.yaml"), "id: \"07\"\ntitle: b\ndescription: d\nprogram: p\noutput: o\n");
        QStringList errors;
        readBankSource(m_dir.path(), errors);
        errors.replaceInStrings(m_dir.path() + u'/', QString());
        QCOMPARE(errors, QStringList{u"algorithms/02.yaml:1: algorithm id '07' is used already at algorithms/01.yaml:1"_s});
    }

    // The fields of the rows are compared with an old bank's in tst_bank_import; here what only our
    // own sources have: the sample in a programming task's title and the cases.
    void cleanSourcesCompileIntoAnOpenableBank()
    {
        clear();
        write(QStringLiteral("chapters/02.yaml"),
              chapterWith("  choice:\n" + choice("B") + "  pro:\n"
                          "    - title: 读文件\n      program: |\n        int main(void) { return 0; }\n"
                          "      answer: ref\n      data: |\n        1 2 3\n      explain: e\n      input: \"5\\n\\n\"\n      output: \"o\\n\\n\"\n"
                          "      cases:\n        - {data: \"\", output: \"0\\n\", about: 空文件}\n"
                          "        - {data: \"4\", output: \"4\\n\", hidden: false}\n")
                  .replace("\"01\"", "\"02\"").replace("title: 概述", "title: It's 引号"));
        write(QStringLiteral("tests/1.yaml"), "group: 1\nchoice:\n" + choice("C")
                                                  + "blank:\n  - {title: t, program: \"a ___1___\", fills: [x], explain: e,"
                                                    " input: \"5\\n\", output: \"25\\n\", cases: [{input: \"-1\\n\", output: \"1\\n\"}]}\n"
                                                    "pro:\n  - {title: 求和, program: p, answer: a, explain: e, input: \"\\n\", output: \"7\\n\"}\n");
        QStringList errors;
        const BankSource source = readBankSource(m_dir.path(), errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
        const QString file = m_dir.filePath(QStringLiteral("out/bank.db"));
        QDir().mkpath(QFileInfo(file).path());
        QCOMPARE(writeBank(source, file), QString());

        SqliteBank bank(file);
        QCOMPARE(bank.chapter(QStringLiteral("02"), QStringLiteral("It's 引号")).size(), 1);
        const RecordSet tasks = bank.exerciseQuestions(QuestionKind::Pro, QStringLiteral("02"));
        QCOMPARE(tasks.size(), 1);
        // A programming task shows its example after its text, without the line breaks its parts end with;
        // input of blanks only is no input.
        QCOMPARE(tasks[0].text(QStringLiteral("title")), u"读文件\n\n【样例】\n输入：\n5\n数据文件 data_11.dat：\n1 2 3\n输出：\no"_s);
        QCOMPARE(bank.testQuestions(QuestionKind::Pro, 1).at(0).text(QStringLiteral("title")), u"求和\n\n【样例】\n输出：\n7"_s);
        // Its cases: the example first, open; then the further ones.
        QCOMPARE(casesIn(bank, u"c_excer"_s, tasks[0].text(QStringLiteral("id_test"))),
                 (QStringList{u"1|1 2 3|o\n\n|0|"_s, u"2||0\n|1|空文件"_s, u"3|4|4\n|0|"_s}));
        // A task without a data file: its cases have none, its title no sample (not a programming task).
        const RecordSet blanks = bank.testQuestions(QuestionKind::Blank, 1);
        QCOMPARE(blanks.size(), 1);
        QCOMPARE(blanks[0].text(QStringLiteral("title")), u"t"_s);
        QCOMPARE(casesIn(bank, u"c_test"_s, blanks[0].text(QStringLiteral("id"))), (QStringList{u"1|null|25\n|0|"_s, u"2|null|1\n|1|"_s}));
    }

    // A title's lines of prose are joined into paragraphs when the bank is written; code, lists
    // and blank lines keep their breaks. Each row: the title and how it is shown (empty: as written).
    void paragraphsAreJoined_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Chinese runs on") << u"输出 3 行：\n第 1 行为和。"_s << u"输出 3 行：第 1 行为和。"_s;
        QTest::newRow("an ASCII word at the joint keeps a blank") << u"存放在\na、b 中"_s << u"存放在 a、b 中"_s;
        QTest::newRow("trailing blanks before the joint") << u"取 PI 为 3.14159，  \n请编写程序"_s << u"取 PI 为 3.14159，请编写程序"_s;
        QTest::newRow("a blank line parts paragraphs") << u"第一段。\n\n第二段。"_s << QString();
        QTest::newRow("code after prose")
            << u"有以下程序：\n#include <stdio.h>\nint main(void)\n{\n    printf(\"中\");\n}\n执行后的输出是（ ）。"_s << QString();
        QTest::newRow("a statement holding Chinese") << u"有以下程序段：\nprintf(\"%d 个\", n);\n执行后（ ）。"_s << QString();
        QTest::newRow("a comment holding Chinese") << u"程序如下：\nx = 1 /* 初值 */\n输出什么？"_s << QString();
        QTest::newRow("an indented formula") << u"计算分段函数：\n    y = x    （x < 1）\n    y = 2x   （x ≥ 1）"_s << QString();
        QTest::newRow("list items") << u"规则如下：\n- 第一条；\n- 第二条。\n（1）甲\n（2）乙"_s << QString();
        QTest::newRow("a line without Chinese") << u"输入：\n3 4\n输出和。"_s << QString();
    }

    void paragraphsAreJoined()
    {
        QFETCH(QString, title);
        QFETCH(QString, shown);
        QCOMPARE(TitleText::joinParagraphs(title), shown.isEmpty() ? title : shown);
    }
};

QTEST_MAIN(TestBankSource)
#include "tst_bank_source.moc"
