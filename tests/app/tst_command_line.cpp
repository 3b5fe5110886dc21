#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program's command line, as a terminal sees it: what it prints, on which stream, and
// with which exit status.
class TestCommandLine : public QObject
{
    Q_OBJECT

    struct Ended
    {
        int status = -1;
        QString out;
        QString err;
    };

    static Ended run(const QStringList &arguments, const QString &language = QStringLiteral("C.UTF-8"))
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), language);
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZQ_PROGRAM), arguments);
        if (!program.waitForFinished(30000))
            program.kill();
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardOutput()), QString::fromUtf8(program.readAllStandardError())};
    }

private slots:
    void helpInTheSystemsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("usage");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN.UTF-8") << QStringLiteral("用法：zhiqiao [选项]");
        QTest::newRow("other") << QStringLiteral("C.UTF-8") << QStringLiteral("Usage: zhiqiao [options]");
    }

    void helpInTheSystemsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, usage);
        const Ended help = run({QStringLiteral("--help")}, language);
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(usage));
        for (const char *option : {"--help", "--version", "--bank"})
            QVERIFY(help.out.contains(QLatin1String(option)));
        QCOMPARE(help.err, QString());
    }

    void versionFromTheBuild()
    {
        const Ended version = run({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("zhiqiao " ZQ_VERSION "\n"));
    }

    void refusedWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << QStringLiteral("未知选项 --bogus");
        QTest::newRow("no such file") << QStringList{"--bank", "/no/such/bank.mdb"}
                                      << QStringLiteral("找不到题库文件 /no/such/bank.mdb");
        QTest::newRow("a folder") << QStringList{"--bank", "/tmp"} << QStringLiteral("/tmp 是一个文件夹，不是题库文件");
        QTest::newRow("no file named") << QStringList{"--bank"} << QStringLiteral("选项 --bank 后面要写题库文件");
        QTest::newRow("an argument") << QStringList{"bank.mdb"} << QStringLiteral("多余的参数 bank.mdb");
    }

    void refusedWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, complaint);
        const Ended refused = run(arguments, QStringLiteral("zh_CN.UTF-8"));
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.out, QString());
        QCOMPARE(refused.err, QStringLiteral("zhiqiao: %1\n用 --help 查看用法。\n").arg(complaint));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
