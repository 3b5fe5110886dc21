// A title's lines of prose are joined into paragraphs when the bank is written; code, lists and
// blank lines keep their breaks.

#include "banktool/TitleText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTitleText : public QObject
{
    Q_OBJECT

private slots:
    void paragraphsAreJoined_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Chinese runs on") << u"输出 3 行：\n第 1 行为和。"_s << u"输出 3 行：第 1 行为和。"_s;
        QTest::newRow("an ASCII word at the joint keeps a blank") << u"存放在\na、b 中"_s << u"存放在 a、b 中"_s;
        QTest::newRow("trailing blanks before the joint") << u"取 PI 为 3.14159，  \n请编写程序"_s << u"取 PI 为 3.14159，请编写程序"_s;
        QTest::newRow("three lines") << u"甲，\n乙，\n丙。"_s << u"甲，乙，丙。"_s;
        QTest::newRow("a blank line parts paragraphs") << u"第一段。\n\n第二段。"_s << u"第一段。\n\n第二段。"_s;
        QTest::newRow("code after prose")
            << u"有以下程序：\n#include <stdio.h>\nint main(void)\n{\n    printf(\"中\");\n}\n执行后的输出是（ ）。"_s
            << u"有以下程序：\n#include <stdio.h>\nint main(void)\n{\n    printf(\"中\");\n}\n执行后的输出是（ ）。"_s;
        QTest::newRow("a statement holding Chinese") << u"有以下程序段：\nprintf(\"%d 个\", n);\n执行后（ ）。"_s
                                                     << u"有以下程序段：\nprintf(\"%d 个\", n);\n执行后（ ）。"_s;
        QTest::newRow("a comment holding Chinese") << u"程序如下：\nx = 1 /* 初值 */\n输出什么？"_s << u"程序如下：\nx = 1 /* 初值 */\n输出什么？"_s;
        QTest::newRow("an indented formula") << u"计算分段函数：\n    y = x    （x < 1）\n    y = 2x   （x ≥ 1）"_s
                                             << u"计算分段函数：\n    y = x    （x < 1）\n    y = 2x   （x ≥ 1）"_s;
        QTest::newRow("list items") << u"规则如下：\n- 第一条；\n- 第二条。\n（1）甲\n（2）乙"_s << u"规则如下：\n- 第一条；\n- 第二条。\n（1）甲\n（2）乙"_s;
        QTest::newRow("a line without Chinese") << u"输入：\n3 4\n输出和。"_s << u"输入：\n3 4\n输出和。"_s;
        QTest::newRow("one line") << u"若有定义 int a = 7; 则（ ）。"_s << u"若有定义 int a = 7; 则（ ）。"_s;
    }

    void paragraphsAreJoined()
    {
        QFETCH(QString, title);
        QFETCH(QString, shown);
        QCOMPARE(TitleText::joinParagraphs(title), shown);
    }
};

QTEST_GUILESS_MAIN(TestTitleText)
#include "tst_title_text.moc"
