#include "workfiles/WorkFolders.h"

#include "WorkHome.h"

#include <pwd.h>
#include <unistd.h>

class TestWorkFolders : public QObject
{
    Q_OBJECT

    static QString refusal(WorkKind kind)
    {
        return WorkHome::failureOf([kind] { WorkFolders::ready(kind); });
    }

private slots:
    void workPathsLieUnderTheBase()
    {
        WorkHome home;
        QCOMPARE(WorkFolders::testPath(), QDir::toNativeSeparators(home.testFolder()));
        QCOMPARE(WorkFolders::exercisePath(), QDir::toNativeSeparators(home.path("c_zhiqiao/excer")));
        QCOMPARE(WorkFolders::levels(WorkKind::Exercise), QStringList({"c_zhiqiao", "excer"}));
    }

    void createFoldersBuildsTheChainLevelByLevel()
    {
        WorkHome home;
        WorkFolders::CreateFolders(WorkFolders::base(), QStringLiteral("c_zhiqiao/test"));
        QVERIFY(QFileInfo(home.testFolder()).isDir());
        // Existing levels and a leading separator are no error.
        WorkFolders::CreateFolders(home.path(), QStringLiteral("/c_zhiqiao/test/inner"));
        QVERIFY(QFileInfo(home.path("c_zhiqiao/test/inner")).isDir());
        // A level that cannot be made is passed over silently.
        WorkFolders::CreateFolders(home.path(), QStringLiteral("c_zhiqiao/test/%1/x").arg(QString(300, u'n')));
    }

    void dirFirstFindsFilesOnly()
    {
        WorkHome home;
        const QString folder = home.testFolder();
        WorkHome::put(WorkFolders::join(folder, ".hidden.c"));
        QDir(folder).mkdir(QStringLiteral("sub.cpp"));
        WorkHome::link(QStringLiteral("nowhere"), WorkFolders::join(folder, "dangling.exe"));
        QCOMPARE(WorkFolders::DirFirst(WorkFolders::join(folder, "*.c")), QStringLiteral(".hidden.c"));
        QCOMPARE(WorkFolders::DirFirst(WorkFolders::join(folder, "*.cpp")), QString()); // a folder is no source
        QCOMPARE(WorkFolders::DirFirst(WorkFolders::join(folder, "*.exe")), QStringLiteral("dangling.exe"));
        QCOMPARE(WorkFolders::DirFirst(WorkFolders::join(folder, "?.exe")), QString());
        QCOMPARE(WorkFolders::DirFirst(QString()), QString());
        QCOMPARE(WorkFolders::DirFirst(home.path("nowhere/*.c")), QString());
    }

    void readyMakesTheFolderAndGivesItsRealPath()
    {
        WorkHome home;
        const QString made = WorkFolders::ready(WorkKind::Test);
        QCOMPARE(made, QFileInfo(home.testFolder()).canonicalFilePath());
        // Links that stay inside the home are followed, and the folder is used by its real path.
        QDir().mkpath(home.path("elsewhere/mine"));
        WorkHome::link(home.path("elsewhere/mine"), home.path("c_zhiqiao/excer"));
        QCOMPARE(WorkFolders::ready(WorkKind::Exercise), QFileInfo(home.path("elsewhere/mine")).canonicalFilePath());
    }

    // No folder of the work tree leads outside the home, so no clean-up or task file
    // can reach a file there.
    void linksOutsideTheHomeAreRefused_data()
    {
        QTest::addColumn<QString>("linked");   // the level made a link, below the home
        QTest::addColumn<bool>("toTheHome");   // to the home itself rather than an outside folder
        QTest::newRow("c_zhiqiao") << "c_zhiqiao" << false;
        QTest::newRow("test") << "c_zhiqiao/test" << false;
        QTest::newRow("test to the home") << "c_zhiqiao/test" << true;
    }

    void linksOutsideTheHomeAreRefused()
    {
        QFETCH(QString, linked);
        QFETCH(bool, toTheHome);
        WorkHome home;
        QTemporaryDir outside;
        WorkHome::put(outside.filePath("keep.c"), "outside");
        const QString target = toTheHome ? home.path() : outside.path();
        WorkHome::link(target, home.path(linked));

        const QString told = refusal(WorkKind::Test);
        QVERIFY2(told.startsWith(QStringLiteral("文件夹 %1 不能使用：%2 是符号链接")
                                     .arg(QDir::toNativeSeparators(home.testFolder()), QDir::toNativeSeparators(home.path(linked)))),
                 qPrintable(told));
        QVERIFY(told.contains(QFileInfo(target).canonicalFilePath()));
        QCOMPARE(WorkHome::bytes(outside.filePath("keep.c")), QByteArray("outside"));
        QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"keep.c"});
    }

    void aLevelThatIsNoFolderIsNamed()
    {
        WorkHome home;
        QTemporaryDir outside;
        WorkHome::link(outside.filePath("gone"), home.path("c_zhiqiao"));
        const QString told = QStringLiteral("无法建立文件夹 %1：%2 不是文件夹")
                                 .arg(QDir::toNativeSeparators(home.path("c_zhiqiao/excer")),
                                      QDir::toNativeSeparators(home.path("c_zhiqiao")));
        QVERIFY(refusal(WorkKind::Exercise).startsWith(told));
        QVERIFY(!QFileInfo::exists(outside.filePath("gone"))); // a dangling link creates nothing
        QFile::remove(home.path("c_zhiqiao"));
        WorkHome::put(home.path("c_zhiqiao"));
        QVERIFY(refusal(WorkKind::Exercise).startsWith(told));
    }

    // With HOME unset, the home comes from the password database, never the root.
    void theHomeWithoutHomeSet()
    {
        WorkFolders::setBase({});
        const QByteArray saved = qgetenv("HOME");
        const passwd *entry = getpwuid(getuid());
        QVERIFY(entry && entry->pw_dir);

        qunsetenv("HOME");
        QCOMPARE(WorkFolders::home(), QDir::cleanPath(QFile::decodeName(entry->pw_dir)));
        QVERIFY(!WorkFolders::testPath().startsWith(QStringLiteral("/c_zhiqiao")));

        qputenv("HOME", "/");
        QVERIFY(WorkHome::failureOf([] { WorkFolders::base(); }).startsWith(QStringLiteral("找不到您的主文件夹")));
        qputenv("HOME", saved);
    }
};

QTEST_MAIN(TestWorkFolders)
#include "tst_work_folders.moc"
