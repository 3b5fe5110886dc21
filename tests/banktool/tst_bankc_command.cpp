// bankc as the teacher and the build run it, on small banks of its own. Building or checking: a
// progress line per file, every fault with its place, the proofs kept so that a second run proves
// nothing again. Judging a class's files: one verdict per file in the order given, as JSON lines
// for scripts, and an exit status that says whether all passed.

#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Result
{
    int exitCode = -1;
    QString out, err;

    QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }

    // Each JSON line as "file verdict passed cases_passed/cases_total", the file without its folder.
    QStringList verdicts() const
    {
        QStringList shown;
        for (const QString &line : lines()) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            shown << u"%1 %2 %3 %4/%5"_s.arg(QFileInfo(o.value(u"file"_s).toString()).fileName(), o.value(u"verdict"_s).toString())
                         .arg(o.value(u"passed"_s).toBool())
                         .arg(o.value(u"cases_passed"_s).toInt())
                         .arg(o.value(u"cases_total"_s).toInt());
        }
        return shown;
    }
};

// A chapter whose choice questions have the keys given, with a study text long enough.
QByteArray chapter(const QByteArray &id, const QString &keys)
{
    const QString stems = id == "01" ? u"甲乙丙丁戊己庚辛壬癸"_s : u"子丑寅卯辰巳午未申酉"_s;
    QByteArray yaml = "id: \"" + id + "\"\ntitle: 第" + id + "章\nstudy: |\n  " + QString(800, u'学').toUtf8() + "\nexercise:\n  choice:\n";
    for (int i = 0; i < keys.size(); ++i)
        yaml += (u"    - title: 问题%1（ ）。\n      options: [\"1\", \"2\", \"3\", \"4\"]\n      answer: %2\n      explain: 解析\n"_s)
                    .arg(stems[i], keys[i])
                    .toUtf8();
    return yaml;
}

const QByteArray kAlgorithm = "id: \"01\"\ntitle: 求和\ndescription: 读入两个数，输出和。\nprogram: |\n"
                              "  #include <stdio.h>\n  int main(void)\n  {\n      int a, b;\n"
                              "      if (scanf(\"%d%d\", &a, &b) != 2)\n          return 0;\n"
                              "      printf(\"%d\\n\", a + b);\n      return 0;\n  }\n"
                              "input: \"3 4\\n\"\noutput: \"7\\n\"\ncases:\n  - {input: \"-3 3\\n\", output: \"0\\n\"}\n";

const QString kFaulty = u"#include <stdio.h>\nint main(void)\n{\n    int a, b;\n    scanf(\"%d%d\", &a, &b);\n"
                        u"    printf(\"%d\\n\", a - b);\n    return 0;\n}\n"_s;

QString sumProgram(const QString &expression)
{
    return QString(kFaulty).replace(u"a - b"_s, expression);
}

}

class TestBankcCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TestBank m_bank;
    int m_pro = 0;
    int m_err = 0;

    QString write(const QString &relative, const QByteArray &content)
    {
        const QString path = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
        return path;
    }

    Result bankc(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LC_ALL"_s, u"C.UTF-8"_s); // messages in English, whatever the machine's language
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_dir.path());
        p.start(QStringLiteral(ZQ_BANKC), args);
        if (!p.waitForFinished(120000))
            return {};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"gcc"_s).isEmpty())
            QSKIP("gcc is not installed");
        QVERIFY(m_dir.isValid());
        write(u"bank/chapters/01.yaml"_s, chapter("01", u"ABCDABCDAB"_s));
        write(u"bank/chapters/02.yaml"_s, chapter("02", u"CDABCDABCD"_s));
        write(u"bank/algorithms/01.yaml"_s, kAlgorithm);

        m_pro = m_bank.nextId();
        m_bank.addTest(u"4"_s, 1, {{"title", "求和"}, {"content", "int main(void)\n{\n    return 0;\n}\n"}});
        m_bank.addCase(u"c_test"_s, m_pro, 1, {{"input", "3 4\n"}, {"output", "7\n"}});
        m_bank.addCase(u"c_test"_s, m_pro, 2, {{"input", "-8 3\n"}, {"output", "-5\n"}, {"hidden", 1}, {"about", "负数"}});
        m_err = m_bank.nextId();
        m_bank.addTest(u"3"_s, 1, {{"title", "改错"}, {"content", kFaulty}});
        m_bank.addCase(u"c_test"_s, m_err, 1, {{"input", "3 4\n"}, {"output", "7\n"}});
        m_bank.addFaults(u"c_test"_s, m_err, 1);
    }

    void cleanBankIsProvenOnceAndWritten()
    {
        Result r = bankc({u"check"_s, u"--cache"_s, u"proofs.cache"_s, u"bank"_s});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(u"[1/1] bank/algorithms/01.yaml: all 1 programs proven\n"_s), qPrintable(r.out));
        QVERIFY2(r.out.contains(u"bank/chapters/02.yaml"_s) && r.out.contains(u"CDABCDABCD"_s), qPrintable(r.out)); // the keys
        QVERIFY2(r.out.contains(u"0 errors, 0 warnings."_s), qPrintable(r.out));

        r = bankc({u"--cache"_s, u"proofs.cache"_s, u"bank"_s, u"c_qiyuan.db"_s});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(u"all 1 programs proven (1 unchanged since their last proof)"_s), qPrintable(r.out));
        QVERIFY(QFile::exists(m_dir.filePath(u"c_qiyuan.db"_s)));
    }

    // Every fault at once: the sources', the course's and the proofs'; no bank is written.
    void faultsAreAllReportedAndNothingIsWritten()
    {
        write(u"bank/chapters/02.yaml"_s, chapter("02", u"CDABCDABCC"_s));
        write(u"bank/algorithms/01.yaml"_s, QByteArray(kAlgorithm).replace("output: \"0\\n\"", "output: \"1\\n\""));
        const Result r = bankc({u"bank"_s, u"faulty.db"_s});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(u"bank/chapters/02.yaml:7: C is the key of 4 questions"_s), qPrintable(r.err));
        QVERIFY2(r.err.contains(u"bank/algorithms/01.yaml:1: algorithm 01 求和: the program on the case at line 17 prints something else"_s),
                 qPrintable(r.err));
        QVERIFY2(r.out.contains(u"[1/1] bank/algorithms/01.yaml: 1 of 1 programs failed"_s), qPrintable(r.out));
        QVERIFY2(r.err.contains(u"4 errors, 0 warnings."_s), qPrintable(r.err));
        QVERIFY(!QFile::exists(m_dir.filePath(u"faulty.db"_s)));
    }

    void judgeWritesJsonLinesInTheFilesOrder()
    {
        const QList<QPair<QString, QString>> files = {
            {u"right.c"_s, sumProgram(u"a + b"_s)},
            {u"wrong.c"_s, sumProgram(u"a * b"_s)},
            {u"broken.c"_s, sumProgram(u"a + b"_s).replace(u"int a, b;"_s, u"int a, b"_s)},
        };
        QStringList paths;
        for (const auto &[name, text] : files)
            paths << write(u"class/"_s + name, text.toUtf8());
        paths << m_dir.filePath(u"class/missing.c"_s);
        const Result r = bankc(QStringList{u"judge"_s, u"--bank"_s, m_bank.path(), u"--json"_s, u"c_test:%1"_s.arg(m_pro)} + paths);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.verdicts(), (QStringList{u"right.c passed 1 2/2"_s, u"wrong.c wrong_output 0 0/2"_s, u"broken.c compile_error 0 0/2"_s,
                                        u"missing.c missing_file 0 0/2"_s}));
    }

    // A correction is judged with its count of faults: one that changes a second line is refused.
    // Plain lines when all pass, and the exit status 0.
    void judgeCorrectionKnowsItsFaults()
    {
        const QString tooMuch = write(u"class/err.c"_s, sumProgram(u"a + b"_s).replace(u"return 0;"_s, u"return a - a;"_s).toUtf8());
        const QString right = write(u"class/err_ok.c"_s, sumProgram(u"a + b"_s).toUtf8());
        Result r = bankc({u"judge"_s, u"--json"_s, u"--bank"_s, m_bank.path(), u"c_test:%1"_s.arg(m_err), tooMuch});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.verdicts(), QStringList{u"err.c structure 0 0/1"_s});
        r = bankc({u"judge"_s, u"--bank"_s, m_bank.path(), u"c_test:%1"_s.arg(m_err), right, right});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines(), QStringList(2, right + u": 全部通过 (1/1)"_s));
    }

    void wrongUseExitsWithTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("check without a folder") << QStringList{u"check"_s};
        QTest::newRow("judge without files") << QStringList{u"judge"_s, u"--bank"_s, u"BANK"_s, u"c_test:1"_s}; // a task of the bank
        QTest::newRow("judge on another table") << QStringList{u"judge"_s, u"chapter:1"_s, u"x.c"_s};
        QTest::newRow("unknown option") << QStringList{u"judge"_s, u"--fast"_s, u"c_test:1"_s, u"x.c"_s};
        QTest::newRow("no such task") << QStringList{u"judge"_s, u"--bank"_s, u"BANK"_s, u"c_test:99"_s, u"x.c"_s};
        QTest::newRow("no such bank") << QStringList{u"judge"_s, u"--bank"_s, u"/nonexistent/c_qiyuan.db"_s, u"c_test:1"_s, u"x.c"_s};
    }

    void wrongUseExitsWithTwo()
    {
        QFETCH(QStringList, args);
        args.replaceInStrings(u"BANK"_s, m_bank.path());
        const Result r = bankc(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(u"bankc"_s), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestBankcCommand)
#include "tst_bankc_command.moc"
