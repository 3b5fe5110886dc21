#include "workfiles/CleanUp.h"
#include "workfiles/History.h"
#include "workfiles/TaskFiles.h"

#include "WorkHome.h"

#include <QDateTime>
#include <QProcess>
#include <QRegularExpression>

#include <unistd.h>

class TestCleanUp : public QObject
{
    Q_OBJECT

    static inline const QStringList testKinds = {QStringLiteral("*.c"), QStringLiteral("*.cpp"), QStringLiteral("*.exe")};

    static QString history(const WorkHome &home) { return home.path(QStringLiteral("c_zhiqiao/history/test")); }
    static QStringList runs(const WorkHome &home)
    {
        return QDir(history(home)).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    // What each run keeps of file, oldest run first.
    static QList<QByteArray> keptOf(const WorkHome &home, const QString &file)
    {
        QList<QByteArray> kept;
        for (const QString &run : runs(home))
            kept << WorkHome::bytes(WorkFolders::join(WorkFolders::join(history(home), run), file));
        return kept;
    }
    static QString refusal(const QString &folder)
    {
        return WorkHome::failureOf([&] { CleanUp::emptyFolderIfAny(WorkKind::Test, folder, testKinds); });
    }

private slots:
    void onlyAFolderHoldingSourcesIsEmptied()
    {
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        WorkHome::put(WorkFolders::join(folder, "notes.txt"));
        CleanUp::emptyFolderIfAny(WorkKind::Test, folder, testKinds);
        WorkHome::put(WorkFolders::join(folder, "program.exe"));
        CleanUp::emptyFolderIfAny(WorkKind::Test, folder, {QStringLiteral("*.c"), QStringLiteral("*.cpp")});
        QCOMPARE(WorkHome::files(folder), QStringList({"notes.txt", "program.exe"}));
        QVERIFY(!QFileInfo::exists(home.path("c_zhiqiao/history")));

        // A folder named like a source is no source, and sub-folders stay where they are.
        QDir(folder).mkdir(QStringLiteral("x.c"));
        CleanUp::emptyFolderIfAny(WorkKind::Test, folder, {QStringLiteral("*.c")});
        QCOMPARE(WorkHome::files(folder), QStringList({"notes.txt", "program.exe"}));

        WorkHome::put(WorkFolders::join(folder, "main.cpp"));
        CleanUp::emptyFolderIfAny(WorkKind::Test, folder, testKinds);
        QCOMPARE(WorkHome::files(folder), QStringList());
        QVERIFY(QFileInfo(WorkFolders::join(folder, "x.c")).isDir());
        QCOMPARE(runs(home).size(), 1);
        QCOMPARE(WorkHome::files(WorkFolders::join(history(home), runs(home).first())),
                 QStringList({"main.cpp", "notes.txt", "program.exe"}));
    }

    // What the student changed or made goes to the history; an untouched task file goes.
    void editedWorkGoesToTheHistoryUntouchedTaskFilesAreDeleted()
    {
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Exercise);
        TaskFiles::write(folder, "pro_1.c", QStringLiteral("int main(void) { return 0; }"));
        TaskFiles::write(folder, "pro_2.c", QStringLiteral("int main(void) { return 2; }"));
        TaskFiles::write(folder, "data_21.dat", QStringLiteral("3 4"));
        WorkHome::put(WorkFolders::join(folder, "pro_1.c"), "int main(void) { return 1; }\r\n");
        WorkHome::put(WorkFolders::join(folder, ".notes"), "mine");

        CleanUp::emptyFolderIfAny(WorkKind::Exercise, folder, {QStringLiteral("*.c")});

        QCOMPARE(WorkHome::files(folder), QStringList());
        const QString excerHistory = home.path("c_zhiqiao/history/excer");
        const QStringList kept = QDir(excerHistory).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(kept.size(), 1);
        QVERIFY(QDateTime::fromString(kept.first(), QStringLiteral("yyyy-MM-dd_HHmmss")).isValid());
        const QString run = WorkFolders::join(excerHistory, kept.first());
        QCOMPARE(WorkHome::files(run), QStringList({".notes", "pro_1.c"}));
        QCOMPARE(WorkHome::bytes(WorkFolders::join(run, "pro_1.c")), QByteArray("int main(void) { return 1; }\r\n"));
        QVERIFY(!QFileInfo::exists(home.path("c_zhiqiao/history/test")));
    }

    void aSecondCleanUpInTheSameSecondOverwritesNothing()
    {
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        // Runs of this second and the next two are there already, so the clean-up falls into one of them.
        const QDateTime now = QDateTime::currentDateTime();
        QStringList taken;
        for (int s = 0; s < 3; ++s) {
            taken << now.addSecs(s).toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
            WorkHome::put(WorkFolders::join(WorkFolders::join(history(home), taken.last()), "a.c"), "earlier");
        }
        WorkHome::put(WorkFolders::join(folder, "a.c"), "now");
        CleanUp::emptyFolderIfAny(WorkKind::Test, folder, testKinds);

        const QStringList after = runs(home);
        QCOMPARE(after.size(), 4);
        const QStringList added = QStringList(after).filter(QRegularExpression(QStringLiteral("-2$")));
        QCOMPARE(added.size(), 1);
        QVERIFY(taken.contains(added.first().chopped(2)));
        QCOMPARE(keptOf(home, "a.c").count("earlier"), 3);
        QCOMPARE(WorkHome::bytes(WorkFolders::join(WorkFolders::join(history(home), added.first()), "a.c")), QByteArray("now"));
    }

    void theHistoryKeepsTheNewestTwentyRuns()
    {
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        WorkHome::put(WorkFolders::join(WorkFolders::join(history(home), "2000-01-01_000000"), "a.c"), "0");
        WorkHome::put(WorkFolders::join(WorkFolders::join(history(home), "mine"), "a.c"), "not a run");
        // An old run that is a link, and one holding a link: both go as links, their targets stay.
        QTemporaryDir outside;
        WorkHome::put(outside.filePath("a.c"), "outside");
        WorkHome::link(outside.path(), WorkFolders::join(history(home), "2000-01-01_000001"));
        WorkHome::link(outside.filePath("a.c"), WorkFolders::join(WorkFolders::join(history(home), "2000-01-01_000002"), "b.c"));

        for (int i = 1; i <= History::kept + 1; ++i) {
            WorkHome::put(WorkFolders::join(folder, "a.c"), QByteArray::number(i));
            CleanUp::emptyFolderIfAny(WorkKind::Test, folder, testKinds);
        }

        QList<QByteArray> newest;
        for (int i = 2; i <= History::kept + 1; ++i)
            newest << QByteArray::number(i);
        QList<QByteArray> kept = keptOf(home, "a.c");
        QVERIFY(kept.removeOne("not a run"));
        std::sort(newest.begin(), newest.end());
        std::sort(kept.begin(), kept.end());
        QCOMPARE(kept, newest);
        QCOMPARE(WorkHome::bytes(WorkFolders::join(history(home), "mine/a.c")), QByteArray("not a run"));
        QCOMPARE(WorkHome::bytes(outside.filePath("a.c")), QByteArray("outside"));
    }

    void aMoveThatFailsIsNamedAndLosesNothing_data()
    {
        QTest::addColumn<bool>("readOnly"); // else a file stands where the history folder should be
        QTest::addColumn<QString>("cause");
        QTest::newRow("history is a file") << false << "不是文件夹";
        QTest::newRow("history is read-only") << true << "无法建立历史文件夹";
    }

    void aMoveThatFailsIsNamedAndLosesNothing()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, cause);
        if (readOnly && ::geteuid() == 0)
            QSKIP("the superuser writes into a read-only folder");
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        TaskFiles::write(folder, "blank_1.c", QStringLiteral("int a;"));
        WorkHome::put(WorkFolders::join(folder, "err_1.c"), "edited");
        WorkHome::put(WorkFolders::join(folder, "notes.txt"), "notes");
        if (readOnly) {
            QVERIFY(QDir().mkpath(history(home)));
            QVERIFY(QFile::setPermissions(history(home), QFile::ReadOwner | QFile::ExeOwner));
        } else {
            WorkHome::put(home.path("c_zhiqiao/history"), "a file where the history should be");
        }

        const QString told = refusal(folder);
        if (readOnly)
            QFile::setPermissions(history(home), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(told.startsWith(QStringLiteral("无法把工作文件 %1 移入历史文件夹：").arg(WorkFolders::join(folder, "err_1.c"))),
                 qPrintable(told));
        QVERIFY2(told.contains(cause), qPrintable(told));
        QCOMPARE(WorkHome::files(folder), QStringList({"blank_1.c", "err_1.c", "notes.txt"}));
        QCOMPARE(WorkHome::bytes(WorkFolders::join(folder, "err_1.c")), QByteArray("edited"));
        QCOMPARE(WorkHome::bytes(WorkFolders::join(folder, "blank_1.c")), QByteArray("int a;\r\n"));
    }

    // The history never overlaps a work folder, whichever way a link leads (links out of the home
    // are refused for it by the work folders' own rule).
    void theHistoryNeverOverlapsAWorkFolder_data()
    {
        QTest::addColumn<QString>("linked");
        QTest::addColumn<QString>("target");
        QTest::newRow("into the test folder") << "c_zhiqiao/history" << "c_zhiqiao/test";
        QTest::newRow("the exercise folder in it") << "c_zhiqiao/excer" << "c_zhiqiao/history/test";
    }

    void theHistoryNeverOverlapsAWorkFolder()
    {
        QFETCH(QString, linked);
        QFETCH(QString, target);
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        QDir().mkpath(home.path(target));
        WorkHome::link(home.path(target), home.path(linked));
        WorkHome::put(WorkFolders::join(folder, "a.c"), "mine");

        const QString told = refusal(folder);
        QVERIFY2(told.contains(QStringLiteral("重叠")), qPrintable(told));
        QCOMPARE(WorkHome::files(folder), QStringList{"a.c"});
    }

    // Another run of the program handed the task files out: what it recorded beside the folder
    // tells this run which ones the student never touched.
    void aLaterRunDeletesTheUntouchedTaskFilesOfAnEarlierOne()
    {
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        const auto handOut = [&](const QString &name) {
            QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(),
                                       {QStringLiteral("--hand-out"), folder, name, QStringLiteral("int main(void) { return 0; }")}),
                     0);
        };
        handOut(QStringLiteral("blank_1.c"));
        handOut(QStringLiteral("pro_1.c"));
        QCOMPARE(WorkHome::files(folder), QStringList({"blank_1.c", "pro_1.c"}));
        WorkHome::put(WorkFolders::join(folder, "pro_1.c"), "int main(void) { return 1; }\r\n");
        CleanUp::emptyFolderIfAny(WorkKind::Test, folder, testKinds);
        QCOMPARE(WorkHome::files(folder), QStringList());
        QCOMPARE(runs(home).size(), 1);
        QCOMPARE(WorkHome::files(WorkFolders::join(history(home), runs(home).first())), QStringList{"pro_1.c"});

        // Nothing touched: no history run is spent on them.
        handOut(QStringLiteral("blank_1.c"));
        handOut(QStringLiteral("pro_1.c"));
        CleanUp::emptyFolderIfAny(WorkKind::Test, folder, testKinds);
        QCOMPARE(WorkHome::files(folder), QStringList());
        QCOMPARE(runs(home).size(), 1);
    }

    void linksInTheFolderLeaveAsLinks()
    {
        WorkHome home;
        QTemporaryDir outside;
        WorkHome::put(outside.filePath("lib.c"), "outside");
        const QString folder = WorkFolders::ready(WorkKind::Test);
        WorkHome::link(outside.filePath("lib.c"), WorkFolders::join(folder, "lib.c"));
        WorkHome::link(outside.filePath("gone.c"), WorkFolders::join(folder, "gone.c"));
        CleanUp::emptyFolderIfAny(WorkKind::Test, folder, testKinds);
        QCOMPARE(WorkHome::files(folder), QStringList());
        const QString run = WorkFolders::join(history(home), runs(home).first());
        QVERIFY(QFileInfo(WorkFolders::join(run, "lib.c")).isSymLink());
        QVERIFY(QFileInfo(WorkFolders::join(run, "gone.c")).isSymLink());
        QCOMPARE(WorkHome::bytes(outside.filePath("lib.c")), QByteArray("outside"));
        QVERIFY(!QFileInfo::exists(outside.filePath("gone.c")));
    }
};

// "--hand-out FOLDER NAME TEXT" writes one task file as another run of the program does.
int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--hand-out") == 0) {
        QCoreApplication app(argc, argv);
        try {
            TaskFiles::write(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
        } catch (const WorkFileError &) {
            return 1;
        }
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestCleanUp test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clean_up.moc"
