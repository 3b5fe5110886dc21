// bankc as the teacher and the build run it, on a small bank of its own: a progress line per file,
// every fault with its place, the proofs kept so that a second run proves nothing again, messages
// in the system's language.

#include <QDir>
#include <QFile>
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

}

class TestBankcCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void write(const QString &relative, const QByteArray &content)
    {
        const QString path = m_dir.filePath(u"bank/"_s + relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    Result bankc(const QStringList &args, const QByteArray &language = "C.UTF-8")
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(u"LC_ALL"_s);
        env.remove(u"LC_MESSAGES"_s);
        env.insert(u"LANG"_s, QString::fromLatin1(language));
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
        write(u"chapters/01.yaml"_s, chapter("01", u"ABCDABCDAB"_s));
        write(u"chapters/02.yaml"_s, chapter("02", u"CDABCDABCD"_s));
        write(u"algorithms/01.yaml"_s, kAlgorithm);
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
        write(u"chapters/02.yaml"_s, chapter("02", u"CDABCDABCC"_s));
        write(u"algorithms/01.yaml"_s, QByteArray(kAlgorithm).replace("output: \"0\\n\"", "output: \"1\\n\""));
        const Result r = bankc({u"bank"_s, u"faulty.db"_s});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(u"bank/chapters/02.yaml:7: C is the key of 4 questions"_s), qPrintable(r.err));
        QVERIFY2(r.err.contains(u"whole bank: C is the key of 6 of 20"_s), qPrintable(r.err));
        QVERIFY2(r.err.contains(u"bank/algorithms/01.yaml:1: algorithm 01 求和: the program on the case at line 17 prints something else"_s),
                 qPrintable(r.err));
        QVERIFY2(r.out.contains(u"[1/1] bank/algorithms/01.yaml: 1 of 1 programs failed"_s), qPrintable(r.out));
        QVERIFY2(r.err.contains(u"4 errors, 0 warnings."_s), qPrintable(r.err));
        QVERIFY(!QFile::exists(m_dir.filePath(u"faulty.db"_s)));
    }

    void speaksChineseWhereTheSystemDoes()
    {
        write(u"chapters/02.yaml"_s, chapter("02", u"CDABCDABCD"_s).replace("answer: D", "answer: E"));
        const Result r = bankc({u"check"_s, u"bank"_s}, "zh_CN.UTF-8");
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(u"bank/chapters/02.yaml:13: answer 必须是 A、B、C 或 D，不能是 'E'"_s), qPrintable(r.err));
        QVERIFY2(r.out.contains(u"选择题答案分布"_s), qPrintable(r.out));
    }

    void wrongUseShowsHowToUseIt()
    {
        const Result r = bankc({u"check"_s});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith(u"usage: bankc"_s), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestBankcCommand)
#include "tst_bankc_command.moc"
