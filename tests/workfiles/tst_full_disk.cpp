// A full disk at each step of the work files: the message says "磁盘已满" with the system's own words,
// never that a folder is in the way, and nothing the student wrote is lost. The disk is a small file
// system of the test's own, mounted in a user and mount namespace of its own that no other process
// sees; where the system allows no such namespace, the test is skipped.

#include "workfiles/CleanUp.h"
#include "workfiles/TaskFiles.h"

#include "WorkHome.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString g_disk; // where the small disk is mounted; empty when it could not be

bool writeTo(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

// Makes this process root of a user and mount namespace of its own, and mounts a disk of 64 KiB
// and 32 files at folder. Only while the process has one thread.
bool mountSmallDisk(const QByteArray &folder)
{
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    writeTo("/proc/self/setgroups", "deny");
    if (!writeTo("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
        || !writeTo("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
        return false;
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
           && ::mount("zq-full", folder.constData(), "tmpfs", 0, "size=64k,nr_inodes=32") == 0;
}

// Takes the disk's last block and its last file.
void fill()
{
    QFile ballast(g_disk + u"/ballast"_s);
    QVERIFY(ballast.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'b');
    while (ballast.write(block) == block.size() && ballast.flush())
        ;
    for (int i = 0;; ++i) {
        const int fd = ::open(QFile::encodeName(g_disk + u"/inode_%1"_s.arg(i)).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0)
            break;
        ::close(fd);
    }
}

}

class TestFullDisk : public QObject
{
    Q_OBJECT

    QString m_home;

private slots:
    void init()
    {
        if (g_disk.isEmpty())
            QSKIP("no mount namespace of the test's own: a full disk cannot be made");
        for (const QString &name : QDir(g_disk).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            QVERIFY(QFileInfo(g_disk + u'/' + name).isDir() ? QDir(g_disk + u'/' + name).removeRecursively() : QFile::remove(g_disk + u'/' + name));
        m_home = g_disk + u"/home"_s;
        QVERIFY(QDir().mkdir(m_home));
        WorkFolders::setBase(m_home);
    }

    void cleanup() { WorkFolders::setBase({}); }

    void fullDiskIsSaidWithTheSystemsReason_data()
    {
        QTest::addColumn<bool>("folderReady"); // the work folder exists, holding the student's pro_1.c
        QTest::addColumn<std::function<void()>>("step");
        QTest::addColumn<QString>("said");
        QTest::newRow("work folder") << false << std::function<void()>([] { WorkFolders::ready(WorkKind::Test); })
                                     << u"无法建立文件夹 %1/c_zhiqiao：磁盘已满（"_s;
        QTest::newRow("history") << true << std::function<void()>([] {
            CleanUp::emptyFolderIfAny(WorkKind::Test, WorkFolders::ready(WorkKind::Test), {u"*.c"_s});
        }) << u"无法把工作文件 %1/c_zhiqiao/test/pro_1.c 移入历史文件夹：无法建立文件夹 %1/c_zhiqiao/history：磁盘已满（"_s;
        QTest::newRow("task file") << true << std::function<void()>([] {
            TaskFiles::write(WorkFolders::ready(WorkKind::Test), u"blank_1.c"_s, u"int main(void) { return 0; }"_s);
        }) << u"无法写入工作文件 %1/c_zhiqiao/test/blank_1.c：磁盘已满（"_s;
    }

    void fullDiskIsSaidWithTheSystemsReason()
    {
        QFETCH(bool, folderReady);
        QFETCH(std::function<void()>, step);
        QFETCH(QString, said);
        const QString work = m_home + u"/c_zhiqiao/test"_s;
        if (folderReady) {
            QVERIFY(QDir().mkpath(work));
            QFile source(work + u"/pro_1.c"_s);
            QVERIFY(source.open(QIODevice::WriteOnly) && source.write("int main(void) { return 1; }\n") > 0);
        }
        fill();
        const QString message = WorkHome::failureOf(step);
        QVERIFY2(message.startsWith(said.arg(m_home)), qPrintable(message));
        QVERIFY2(!message.contains(u"不是文件夹"_s), qPrintable(message));
        if (folderReady) {
            QFile source(work + u"/pro_1.c"_s);
            QVERIFY(source.open(QIODevice::ReadOnly));
            QCOMPARE(source.readAll(), QByteArray("int main(void) { return 1; }\n"));
        }
    }
};

int main(int argc, char **argv)
{
    char folder[] = "/tmp/zq-full-XXXXXX";
    if (!::mkdtemp(folder))
        return 1;
    if (mountSmallDisk(folder))
        g_disk = QFile::decodeName(folder);
    int result;
    {
        QCoreApplication app(argc, argv);
        TestFullDisk test;
        result = QTest::qExec(&test, argc, argv);
    }
    if (!g_disk.isEmpty())
        ::umount(folder);
    ::rmdir(folder);
    return result;
}

#include "tst_full_disk.moc"
