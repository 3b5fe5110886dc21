#include "workfiles/TaskFiles.h"
#include "workfiles/WorkFolders.h"

#include "WorkHome.h"

class TestTaskFiles : public QObject
{
    Q_OBJECT

private slots:
    void aTaskFileHoldsTheTextAndOneCrLfAndNothingElse()
    {
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        const QString file = WorkFolders::join(folder, "blank_1.c");
        TaskFiles::write(folder, "blank_1.c", QStringLiteral("/* 求和 */\nint main(void) { return 0; }"));
        QCOMPARE(WorkHome::bytes(file), QByteArray("/* \xe6\xb1\x82\xe5\x92\x8c */\nint main(void) { return 0; }\r\n"));

        // A second write replaces the file whole, and leaves no temporary file behind.
        TaskFiles::write(folder, "blank_1.c", QStringLiteral("x"));
        QCOMPARE(WorkHome::bytes(file), QByteArray("x\r\n"));
        QCOMPARE(WorkHome::files(folder), QStringList{"blank_1.c"});
    }

    void aFileThatCannotBeWrittenIsReportedByNameAndLeavesNothing()
    {
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        QDir(folder).mkdir(QStringLiteral("err_2.c"));
        WorkHome::put(home.path("plain.txt"));
        for (const QString &into : {folder, home.path("plain.txt")}) {
            const QString told = WorkHome::failureOf([&] { TaskFiles::write(into, "err_2.c", QStringLiteral("int x;")); });
            QVERIFY2(told.startsWith(QStringLiteral("无法写入工作文件 %1：").arg(WorkFolders::join(into, "err_2.c"))), qPrintable(told));
        }
        QCOMPARE(WorkHome::files(folder), QStringList());
        QVERIFY(QFileInfo(WorkFolders::join(folder, "err_2.c")).isDir());
    }

    // A task file's name that is a link is replaced by the file, never written through.
    void aLinkedTaskFileIsReplacedAndItsTargetKeepsItsBytes()
    {
        WorkHome home;
        QTemporaryDir outside;
        const QString folder = WorkFolders::ready(WorkKind::Test);
        const QString target = outside.filePath("precious.dat");
        WorkHome::put(target, "precious");
        WorkHome::link(target, WorkFolders::join(folder, "data_11.dat"));
        WorkHome::link(outside.filePath("dangling.c"), WorkFolders::join(folder, "pro_1.c"));

        TaskFiles::write(folder, "data_11.dat", QStringLiteral("3 4"));
        TaskFiles::write(folder, "pro_1.c", QStringLiteral("int main(void) { return 0; }"));

        QCOMPARE(WorkHome::bytes(target), QByteArray("precious"));
        QVERIFY(!QFileInfo::exists(outside.filePath("dangling.c")));
        for (const char *name : {"data_11.dat", "pro_1.c"})
            QVERIFY(!QFileInfo(WorkFolders::join(folder, name)).isSymLink());
        QCOMPARE(WorkHome::bytes(WorkFolders::join(folder, "data_11.dat")), QByteArray("3 4\r\n"));
    }

    void whatWasHandedOutIsKnownUntilItChanges()
    {
        WorkHome home;
        const QString folder = WorkFolders::ready(WorkKind::Exercise);
        const QString file = WorkFolders::join(folder, "pro_1.c");
        TaskFiles::write(folder, "pro_1.c", QStringLiteral("int a;"));
        QVERIFY(TaskFiles::isAsHandedOut(file));
        WorkHome::put(file, "int a;\r\n/* mine */\r\n");
        QVERIFY(!TaskFiles::isAsHandedOut(file));
        WorkHome::put(file, "int b;\r\n"); // same size, other bytes
        QVERIFY(!TaskFiles::isAsHandedOut(file));
        WorkHome::put(file, "int a;\r\n");
        QVERIFY(TaskFiles::isAsHandedOut(file));
        // A link to the same bytes is no handed-out file; nor is a file never written.
        const QString copy = WorkFolders::join(folder, "copy.c");
        WorkHome::put(copy, "int a;\r\n");
        QFile::remove(file);
        WorkHome::link(copy, file);
        QVERIFY(!TaskFiles::isAsHandedOut(file));
        QVERIFY(!TaskFiles::isAsHandedOut(copy));
    }
};

QTEST_MAIN(TestTaskFiles)
#include "tst_task_files.moc"
