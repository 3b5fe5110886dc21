#include "banktool/BankImport.h"
#include "banktool/BankSource.h"
#include "banktool/BankWriter.h"
#include "banktool/CourseRules.h"
#include "banktool/ProgramCheck.h"
#include "data/BankSchema.h"
#include "data/BankError.h"
#include "data/JetBank.h"
#include "data/SqliteBank.h"
#include "support/JetCopy.h"
#include "support/TestBank.h"

#include <QDir>
#include <QtTest>

// bankc import: an old bank with every kind of row becomes sources that build a bank with the
// same rows; what the sources cannot express is listed and left out.
class TestBankImport : public QObject
{
    Q_OBJECT

    // Texts a YAML writer easily gets wrong.
    const QStringList m_awkward = {
        QStringLiteral("第一行\r\n第二行\r\n"),
        QStringLiteral("  indented first line\n\tand a tab\n"),
        QStringLiteral("trailing blanks   \nand a line of blanks only\n   \nend"),
        QStringLiteral("two line breaks at the end\n\n"),
        QStringLiteral("- looks: like yaml\n# not a comment\n"),
        QStringLiteral("null"),
        QStringLiteral("~"),
        QStringLiteral("\"quoted\" and 'single' and \\n not a break"),
        QStringLiteral("\n starts with a line break"),
        QStringLiteral("control \x01 character, bell \x07"),
    };

    static void fill(TestBank &bank, const QStringList &awkward)
    {
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), QStringLiteral("{\\rtf1\\ansi 概述 {\\b C}\\par\r\n}"));
        bank.exec(QStringLiteral("insert into chapter (id, title, content) values ('02', '数据类型', null)"));
        bank.addChapter(QStringLiteral("03"), QStringLiteral("顺序结构"), QString(""));
        bank.addChapter(QStringLiteral("1"), QStringLiteral("一个字符的编号"));
        bank.addChapter(QStringLiteral("04"), QStringLiteral("标题以换行结束\n"));
        bank.addAlgorithm(QStringLiteral("01"), QStringLiteral("冒泡排序"), QStringLiteral("{\\rtf1 排序}"));
        bank.addAlgorithm(QStringLiteral("abc"), QStringLiteral("三个字符"));

        bank.addExerciseChoice(QStringLiteral("01"), QStringLiteral("选择一"), QStringLiteral("B"));      // 1
        bank.addExerciseChoice(QStringLiteral("01"), QStringLiteral("带空格的答案"), QStringLiteral(" C ")); // 2
        bank.addExercise(QStringLiteral("01"), QStringLiteral("01"),                                      // 3
                         {{"title", "多余的程序"}, {"ch_1", "a"}, {"ch_2", "b"}, {"ch_3", "c"}, {"ch_4", "d"},
                          {"answer", "A"}, {"content", "int x;"}});
        bank.addExerciseChoice(QStringLiteral("01"), QStringLiteral("答案越界"), QStringLiteral("E")); // 4
        bank.addExercise(QStringLiteral("02"), QStringLiteral("01"),                                   // 5
                         {{"title", "填空"}, {"content", "int main(void)\r\n{\r\n}\r\n"}, {"answer", "【1】i"}});
        bank.addExercise(QStringLiteral("03"), QStringLiteral("01"), {{"title", "改错"}, {"content", "int main()"}}); // 6
        bank.addExercise(QStringLiteral("04"), QStringLiteral("01"),                                                 // 7
                         {{"title", "读数据"}, {"content", "#include <stdio.h>\n"}, {"answer", "参考"},
                          {"data_file", "data_11.dat"}, {"data_file1", "1 2 3\n"}});
        bank.addExercise(QStringLiteral("04"), QStringLiteral("01"),                                                 // 8
                         {{"title", "另一个名字"}, {"data_file", "input.txt"}, {"data_file1", "9\n"}});
        bank.addExercise(QStringLiteral("04"), QStringLiteral("01"), {{"title", "没有标记"}, {"data_file1", "孤儿"}}); // 9
        bank.addExercise(QStringLiteral("05"), QStringLiteral("01"), {{"title", "未知题型"}});                      // 10
        bank.addExerciseChoice(QStringLiteral("09"), QStringLiteral("没有这一章"));                                 // 11
        bank.addExerciseChoice(QStringLiteral("1"), QStringLiteral("章被略去"));                                    // 12
        for (int i = 1; i <= 6; ++i)                                                                              // 13..18
            bank.addExercise(QStringLiteral("02"), QStringLiteral("03"), {{"title", QStringLiteral("填空%1").arg(i)}});
        bank.exec(QStringLiteral("insert into c_excer (id_test, type, c_id, title) values (90, '03', '03', '只有标题')"));

        for (int i = 1; i <= 11; ++i)                                                                             // 20..30
            bank.addTestChoice(1, QStringLiteral("第%1题").arg(i), QStringLiteral("D"));
        bank.exec(QStringLiteral("insert into c_test (id, type, group_id, title, ch_answer) values (91, '2', 1, '多余的答案', 'A')"));
        bank.addTest(QStringLiteral("3"), 6, {{"title", "第六套"}});                         // 32
        bank.addTest(QStringLiteral("7"), 1, {{"title", "未知题型"}});                        // 33
        bank.addTest(QStringLiteral("1"), 2, {{"title", awkward[0]}, {"ch1", awkward[1]}, {"ch2", awkward[2]}, // 34
                                              {"ch3", awkward[3]}, {"ch4", awkward[4]}, {"ch_answer", "A"},
                                              {"explain", awkward[5]}, {"answer", "选择题不读的答案"}});
        bank.addTest(QStringLiteral("4"), 2, {{"title", awkward[6]}, {"content", awkward[7]}, {"answer", awkward[8]}, // 35
                                              {"explain", awkward[9]}, {"data_file", "data_11.dat"}, {"data_file1", ""}});
    }

    // The rows the old bank serves, less those left out, and the fields left out of a row.
    static void compare(const RecordSet &built, RecordSet old, const QString &table, const QStringList &leftOut)
    {
        const QString key = table == u"c_excer" ? QStringLiteral("id_test") : QStringLiteral("id");
        const auto noted = [&](const Record &row) {
            return leftOut.filter(QStringLiteral("%1:%2: ").arg(table, row.text(key)));
        };
        old.removeIf([&](const Record &row) { return !noted(row).isEmpty() && !noted(row).first().contains(QStringLiteral(" is not read ")); });
        QCOMPARE(built.size(), old.size());
        for (qsizetype i = 0; i < built.size(); ++i) {
            for (const QString &field : BankSchema::fields(table)) {
                const bool dropped = !noted(old[i]).filter(QStringLiteral(": %1 is not read").arg(field)).isEmpty();
                if ((field == key && table.startsWith(u"c_")) || dropped)
                    continue;
                QCOMPARE(built[i].text(field), old[i].text(field));
                QCOMPARE(built[i].actualSize(field), old[i].actualSize(field));
            }
        }
    }

private slots:
    void importedSourcesBuildTheSameBank()
    {
        TestBank source;
        fill(source, m_awkward);
        JetBank old(writeJetCopy(source));
        QTemporaryDir folder;
        const BankImport::Result imported = BankImport::run(QFileInfo(source.path()).dir().filePath("c_qiyuan.mdb"), folder.path());
        QCOMPARE(imported.failure, QString());
        const QStringList leftOut = {
            "c_excer:3: content is not read for a choice question and is left out",
            "c_excer:4: the answer 'E' is not A, B, C or D",
            "c_excer:9: data_file1 is not read for a programming task and is left out",
            "c_excer:18: chapter 03 has 5 fill-in tasks already, as many as its window shows",
            "chapter:04: the title ends with a line break",
            "chapter:1: an id must have exactly two characters",
            "c_excer:10: type '05' is not a question kind (01 to 04)",
            "c_excer:11: its chapter '09' is not among the chapters imported",
            "c_excer:12: its chapter '1' is not among the chapters imported",
            "c_test:29: test set 1 has 10 choice questions already, as many as its window shows",
            "c_test:91: ch_answer is not read for a fill-in task and is left out",
            "c_test:32: answer is not read for a choice question and is left out",
            "c_test:30: test set '6' is not one of 1 to 5",
            "c_test:31: type '7' is not a question kind (1 to 4)",
            "jdsf:abc: an id must have exactly two characters",
        };
        QCOMPARE(imported.leftOut, leftOut);

        QStringList errors;
        const BankSource sources = readBankSource(folder.path(), errors);
        QCOMPARE(errors, QStringList());
        QVERIFY(ProgramCheck::checksOf(sources).isEmpty()); // nothing imported claims a proof
        // The course's own rules (balanced keys, hidden cases, ...) are not asked of an old bank.
        const Findings rules = CourseRules::check(sources);
        QCOMPARE(rules.errors, QStringList());
        const QString builtFile = folder.filePath(QStringLiteral("built.db"));
        QCOMPARE(writeBank(sources, builtFile), QString());
        SqliteBank built(builtFile);

        compare(built.chapters(), old.chapters(), QStringLiteral("chapter"), leftOut);
        compare(built.algorithms(), old.algorithms(), QStringLiteral("jdsf"), leftOut);
        for (const Record &chapter : built.chapters()) {
            const QString id = chapter.text(QStringLiteral("id"));
            compare(built.chapter(id, chapter.text(QStringLiteral("title"))),
                    old.chapter(id, chapter.text(QStringLiteral("title"))), QStringLiteral("chapter"), leftOut);
            for (QuestionKind kind : {QuestionKind::Choice, QuestionKind::Blank, QuestionKind::Err, QuestionKind::Pro})
                compare(built.exerciseQuestions(kind, id), old.exerciseQuestions(kind, id), QStringLiteral("c_excer"), leftOut);
        }
        for (int group = 1; group <= 5; ++group) {
            for (QuestionKind kind : {QuestionKind::Choice, QuestionKind::Blank, QuestionKind::Err, QuestionKind::Pro})
                compare(built.testQuestions(kind, group), old.testQuestions(kind, group), QStringLiteral("c_test"), leftOut);
        }
        QCOMPARE(built.exerciseQuestions(QuestionKind::Pro, QStringLiteral("01")).size(), 3);
        QCOMPARE(built.testQuestions(QuestionKind::Choice, 2).first().text(QStringLiteral("ch4")), m_awkward[4]);
    }

    // What libmdb would follow out of bounds is refused, with nothing written; so is an import
    // into a folder that holds sources.
    void refusedImportsWriteNothing()
    {
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"));
        const QString mdb = writeJetCopy(source);
        QFile file(mdb);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(qint64(jetDefinitionPage(QStringLiteral("c_test"))) * kJetPage + 45)); // the column count
        file.write("\xFF\xFF", 2);
        file.close();
        QTemporaryDir folder;
        const BankImport::Result imported = BankImport::run(mdb, folder.path());
        QVERIFY2(imported.failure.contains(QStringLiteral("已损坏，无法读取：表 c_test 的定义记有 65535 列")), qPrintable(imported.failure));
        QVERIFY(QDir(folder.path()).isEmpty());

        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("chapters")));
        QFile existing(folder.filePath(QStringLiteral("chapters/01.yaml")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QVERIFY(BankImport::run(writeJetCopy(source), folder.path()).failure.contains(QStringLiteral("holds bank sources already")));
    }
};

QTEST_MAIN(TestBankImport)
#include "tst_bank_import.moc"
