#include "platform/Shell.h"
#include "workfiles/Editor.h"
#include "workfiles/TaskFiles.h"
#include "workfiles/WorkFileError.h"
#include "workfiles/WorkFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestWorkFolders : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    QString folder() const { return m_home.filePath(QStringLiteral("c_zhiqiao/test")); }

    void touch(const QString &name)
    {
        QFile f(WorkFolders::join(folder(), name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    QStringList files() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

private slots:
    void init()
    {
        WorkFolders::setBase(m_home.path());
        QDir(m_home.filePath(QStringLiteral("c_zhiqiao"))).removeRecursively();
    }

    void cleanupTestCase()
    {
        WorkFolders::setBase({});
        Shell::setLauncher({});
    }

    void workPathsLieUnderTheBase()
    {
        QCOMPARE(WorkFolders::testPath(), QDir::toNativeSeparators(folder()));
        QCOMPARE(WorkFolders::belowBase(WorkFolders::exercisePath()), QDir::toNativeSeparators(QStringLiteral("c_zhiqiao/excer")));
    }

    void createFoldersBuildsTheChainLevelByLevel()
    {
        WorkFolders::CreateFolders(WorkFolders::base(), QStringLiteral("c_zhiqiao/test"));
        QVERIFY(QFileInfo(folder()).isDir());
        // Existing levels and a leading separator are no error.
        WorkFolders::CreateFolders(m_home.path(), QStringLiteral("/c_zhiqiao/test/inner"));
        QVERIFY(QFileInfo(WorkFolders::join(folder(), QStringLiteral("inner"))).isDir());
        // A level that cannot be made is passed over silently.
        WorkFolders::CreateFolders(m_home.path(), QStringLiteral("c_zhiqiao/test/%1/x").arg(QString(300, u'n')));
    }

    void dirFirstFindsAnyEntryOrNothing()
    {
        WorkFolders::CreateFolders(WorkFolders::base(), QStringLiteral("c_zhiqiao/test"));
        touch(QStringLiteral(".hidden.c"));
        QDir(folder()).mkdir(QStringLiteral("sub.cpp"));
        QCOMPARE(WorkFolders::DirFirst(WorkFolders::join(folder(), QStringLiteral("*.c"))), QStringLiteral(".hidden.c"));
        QCOMPARE(WorkFolders::DirFirst(WorkFolders::join(folder(), QStringLiteral("*.cpp"))), QStringLiteral("sub.cpp"));
        QCOMPARE(WorkFolders::DirFirst(WorkFolders::join(folder(), QStringLiteral("?.exe"))), QString());
        QCOMPARE(WorkFolders::DirFirst(QString()), QString());
        QCOMPARE(WorkFolders::DirFirst(m_home.filePath(QStringLiteral("nowhere/*.c"))), QString());
    }

    void cleanUpEmptiesOnlyFoldersHoldingSources()
    {
        WorkFolders::CreateFolders(WorkFolders::base(), QStringLiteral("c_zhiqiao/test"));
        const QStringList testKinds = {QStringLiteral("*.c"), QStringLiteral("*.cpp"), QStringLiteral("*.exe")};
        touch(QStringLiteral("notes.txt"));
        WorkFolders::emptyFolderIfAny(folder(), testKinds);
        QCOMPARE(files(), QStringList({"notes.txt"}));

        touch(QStringLiteral("program.exe"));
        WorkFolders::emptyFolderIfAny(folder(), {QStringLiteral("*.c"), QStringLiteral("*.cpp")});
        QCOMPARE(files(), QStringList({"notes.txt", "program.exe"}));

        touch(QStringLiteral("main.cpp"));
        QDir(folder()).mkdir(QStringLiteral("keep"));
        WorkFolders::emptyFolderIfAny(folder(), testKinds);
        QCOMPARE(files(), QStringList());
        QVERIFY(QFileInfo(WorkFolders::join(folder(), QStringLiteral("keep"))).isDir());
    }

    void taskFilesHoldTheTextAndOneCrLf()
    {
        QCOMPARE(TaskFiles::sourceName(QStringLiteral("pro"), 3), QStringLiteral("pro_3.c"));
        QCOMPARE(TaskFiles::dataName(3), QStringLiteral("data_31.dat"));
        QCOMPARE(TaskFiles::dataName(12), QStringLiteral("data_121.dat"));

        WorkFolders::CreateFolders(WorkFolders::base(), QStringLiteral("c_zhiqiao/test"));
        TaskFiles::write(folder(), QStringLiteral("blank_1.c"), QStringLiteral("/* 求和 */\nint main(void) { return 0; }"));
        QFile f(WorkFolders::join(folder(), QStringLiteral("blank_1.c")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("/* \xe6\xb1\x82\xe5\x92\x8c */\nint main(void) { return 0; }\r\n"));
        f.close();

        // A second write replaces the file whole.
        TaskFiles::write(folder(), QStringLiteral("blank_1.c"), QStringLiteral("x"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("x\r\n"));
    }

    void aFileThatCannotBeWrittenIsReportedByName()
    {
        const QString notAFolder = m_home.filePath(QStringLiteral("plain.txt"));
        QFile(notAFolder).open(QIODevice::WriteOnly);
        try {
            TaskFiles::write(notAFolder, QStringLiteral("err_2.c"), QStringLiteral("int x;"));
            QFAIL("writing into a file as if it were a folder must fail");
        } catch (const WorkFileError &e) {
            QVERIFY(e.message().contains(QStringLiteral("无法写入工作文件")));
            QVERIFY(e.message().contains(QStringLiteral("err_2.c")));
        }
    }

    void editorIsLookedUpInOrderAndStartedWithTheFileIfItExists()
    {
        QList<Shell::Launch> launches;
        Shell::setLauncher([&](const Shell::Launch &l) { launches << l; return true; });
        QTemporaryDir bin;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        auto fakeProgram = [&](const QString &name) {
            QFile exe(bin.filePath(name));
            QVERIFY(exe.open(QIODevice::WriteOnly));
            exe.write("#!/bin/sh\n");
            exe.setPermissions(exe.permissions() | QFile::ExeOwner);
        };
        WorkFolders::CreateFolders(WorkFolders::base(), QStringLiteral("c_zhiqiao/test"));
        const QString task = WorkFolders::join(folder(), QStringLiteral("pro_1.c"));
        TaskFiles::write(folder(), QStringLiteral("pro_1.c"), QStringLiteral("int main(void){return 0;}"));

        // No editor of the list: the desktop's choice for an existing file, nothing without one.
        Editor::launch(task);
        Editor::launch(WorkFolders::join(folder(), QStringLiteral("pro_2.c")));
        QCOMPARE(launches.size(), 1);
        QCOMPARE(launches[0].program, QStringLiteral("xdg-open"));
        QCOMPARE(launches[0].arguments, QStringList({task}));

        fakeProgram(QStringLiteral("gedit"));
        fakeProgram(QStringLiteral("geany"));
        launches.clear();
        Editor::launch(task);
        Editor::launch(WorkFolders::join(folder(), QStringLiteral("missing.c")));
        QCOMPARE(launches.size(), 2);
        QCOMPARE(launches[0].program, bin.filePath(QStringLiteral("geany")));
        QCOMPARE(launches[0].arguments, QStringList({task}));
        QCOMPARE(launches[1].arguments, QStringList());

        launches.clear();
        Editor::openFolder(folder());
        QCOMPARE(launches[0].arguments, QStringList({folder()}));
        qputenv("PATH", oldPath);
    }
};

QTEST_MAIN(TestWorkFolders)
#include "tst_work_folders.moc"
