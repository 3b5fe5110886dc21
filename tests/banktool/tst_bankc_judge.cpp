// bankc judge as a teacher runs it on a class's files: one verdict per file in the order given,
// as JSON lines for scripts, and an exit status that says whether all passed.

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
    QStringList lines;
    QString err;
};

const QString kFaulty = u"#include <stdio.h>\nint main(void)\n{\n    int a, b;\n    scanf(\"%d%d\", &a, &b);\n"
                        u"    printf(\"%d\\n\", a - b);\n    return 0;\n}\n"_s;

QString sumProgram(const QString &expression)
{
    return QString(kFaulty).replace(u"a - b"_s, expression);
}

}

class TestBankcJudge : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TestBank m_bank;
    int m_pro = 0;
    int m_err = 0;

    QString write(const QString &name, const QString &text)
    {
        const QString path = m_dir.filePath(u"class/"_s + name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(text.toUtf8());
        return path;
    }

    Result bankc(const QStringList &args)
    {
        QProcess p;
        p.start(QStringLiteral(ZQ_BANKC), args);
        if (!p.waitForFinished(120000))
            return {};
        Result r{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 QString::fromUtf8(p.readAllStandardError())};
        return r;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"gcc"_s).isEmpty())
            QSKIP("gcc is not installed");
        m_pro = m_bank.nextId();
        m_bank.addTest(u"4"_s, 1, {{"title", "求和"}, {"content", "int main(void)\n{\n    return 0;\n}\n"}});
        m_bank.addCase(u"c_test"_s, m_pro, 1, {{"input", "3 4\n"}, {"output", "7\n"}});
        m_bank.addCase(u"c_test"_s, m_pro, 2, {{"input", "-8 3\n"}, {"output", "-5\n"}, {"hidden", 1}, {"about", "负数"}});
        m_err = m_bank.nextId();
        m_bank.addTest(u"3"_s, 1, {{"title", "改错"}, {"content", kFaulty}});
        m_bank.addCase(u"c_test"_s, m_err, 1, {{"input", "3 4\n"}, {"output", "7\n"}});
        m_bank.addFaults(u"c_test"_s, m_err, 1);
    }

    void jsonLinesComeInTheFilesOrder()
    {
        const QList<QPair<QString, QString>> files = {
            {u"right.c"_s, sumProgram(u"a + b"_s)},
            {u"wrong.c"_s, sumProgram(u"a * b"_s)},
            {u"printer.c"_s, u"#include <stdio.h>\nint main(void)\n{\n    puts(\"7\");\n    return 0;\n}\n"_s},
            {u"broken.c"_s, sumProgram(u"a + b"_s).replace(u"int a, b;"_s, u"int a, b"_s)},
            {u"spaces.c"_s, sumProgram(u"a + b"_s).replace(u"\"%d\\n\""_s, u"\"%d \\n\\n  \\n\""_s)},
        };
        QStringList paths;
        for (const auto &[name, text] : files)
            paths << write(name, text);
        paths << m_dir.filePath(u"class/missing.c"_s);
        const Result r = bankc(QStringList{u"judge"_s, u"--bank"_s, m_bank.path(), u"--json"_s, u"c_test:%1"_s.arg(m_pro)} + paths);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.lines.size(), paths.size());
        const QList<std::tuple<QString, bool, int>> expected = {
            {u"passed"_s, true, 2}, {u"wrong_output"_s, false, 0}, {u"wrong_output"_s, false, 1},
            {u"compile_error"_s, false, 0}, {u"passed"_s, true, 2}, {u"missing_file"_s, false, 0}};
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const QJsonObject o = QJsonDocument::fromJson(r.lines[i].toUtf8()).object();
            QCOMPARE(o.value(u"file"_s).toString(), paths[i]);
            QCOMPARE(o.value(u"verdict"_s).toString(), std::get<0>(expected[i]));
            QCOMPARE(o.value(u"passed"_s).toBool(), std::get<1>(expected[i]));
            QCOMPARE(o.value(u"cases_passed"_s).toInt(), std::get<2>(expected[i]));
            QCOMPARE(o.value(u"cases_total"_s).toInt(), 2);
        }
    }

    void allPassingExitsWithZeroAndPlainLines()
    {
        const QString right = write(u"ok.c"_s, sumProgram(u"a + b"_s));
        const Result r = bankc({u"judge"_s, u"--bank"_s, m_bank.path(), u"c_test:%1"_s.arg(m_pro), right, right});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines, QStringList(2, right + u": 全部通过 (2/2)"_s));
    }

    void correctionChangingTooMuchIsAStructureFault()
    {
        const QString tooMuch = write(u"err.c"_s, sumProgram(u"a + b"_s).replace(u"return 0;"_s, u"return a - a;"_s));
        const QString right = write(u"err_ok.c"_s, sumProgram(u"a + b"_s));
        const Result r = bankc({u"judge"_s, u"--json"_s, u"--bank"_s, m_bank.path(), u"c_test:%1"_s.arg(m_err), tooMuch, right});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(QJsonDocument::fromJson(r.lines.value(0).toUtf8()).object().value(u"verdict"_s).toString(), u"structure"_s);
        QCOMPARE(QJsonDocument::fromJson(r.lines.value(1).toUtf8()).object().value(u"verdict"_s).toString(), u"passed"_s);
    }

    void usageFaultsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no files") << QStringList{u"judge"_s, u"c_test:1"_s};
        QTest::newRow("no task") << QStringList{u"judge"_s, u"x.c"_s};
        QTest::newRow("other table") << QStringList{u"judge"_s, u"chapter:1"_s, u"x.c"_s};
        QTest::newRow("unknown option") << QStringList{u"judge"_s, u"--fast"_s, u"c_test:1"_s, u"x.c"_s};
        QTest::newRow("no such task") << QStringList{u"judge"_s, u"--bank"_s, u"BANK"_s, u"c_test:99"_s, u"x.c"_s};
        QTest::newRow("no such bank") << QStringList{u"judge"_s, u"--bank"_s, u"/nonexistent/c_qiyuan.db"_s, u"c_test:1"_s, u"x.c"_s};
    }

    void usageFaultsExitWithTwo()
    {
        QFETCH(QStringList, args);
        args.replaceInStrings(u"BANK"_s, m_bank.path());
        const Result r = bankc(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.lines.isEmpty());
        QVERIFY(!r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBankcJudge)
#include "tst_bankc_judge.moc"
