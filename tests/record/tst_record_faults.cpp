#include "record/RecordFile.h"
#include "record/RecordReader.h"
#include "record/RunWriter.h"
#include "support/FilePermissions.h"

#include "RecordRuns.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace RecordRuns;

namespace {

int runsIn(const QString &path)
{
    RecordFile file(path);
    return int(RecordReader::read(file, kBank.hash).runs.size());
}

void overwrite(const QString &path, qint64 at, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(at));
    file.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList damaged(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("record.sqlite.damaged-*")}, QDir::Files);
}

}

// A record that cannot be written never stops a run: the run's status says why in Chinese, and
// a damaged record is kept aside while a new one starts.
class TestRecordFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder;
    QString m_path;

    // A record holding one run, as a student's would, closed as at the program's next start.
    void recordOne()
    {
        QVERIFY(recordRun(m_path, run({choice(1, 1, false)})).recorded);
        RecordFile::drop();
    }

private slots:
    void init()
    {
        static int test = 0;
        m_folder = m_dir.filePath(QString::number(++test));
        m_path = m_folder + QStringLiteral("/record.sqlite");
    }

    void aDamagedRecordIsMovedAsideAndANewOneStarted_data()
    {
        QTest::addColumn<bool>("withRuns");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a database at all") << false << qint64(0) << QByteArray("这不是数据库。").repeated(300);
        QTest::newRow("its header overwritten") << true << qint64(0) << QByteArray(100, '\x5a');
        // The pages of the tables broken: found only when a run is written.
        QTest::newRow("its tables broken") << true << qint64(4096) << QByteArray(4096 * 6, '\xff');
    }

    void aDamagedRecordIsMovedAsideAndANewOneStarted()
    {
        QFETCH(bool, withRuns);
        QFETCH(qint64, at);
        QFETCH(QByteArray, bytes);
        QDir().mkpath(m_folder);
        if (withRuns) {
            for (int i = 0; i < 20; ++i)
                recordOne();
            { RecordFile file(m_path); file.run(QStringLiteral("pragma wal_checkpoint(truncate)")); }
        }
        overwrite(m_path, at, bytes);
        const QByteArray before = contents(m_path);

        const RecordStatus status = recordRun(m_path, run({choice(2, 0, false)}));
        QVERIFY2(status.recorded, qPrintable(status.reason));
        QCOMPARE(damaged(m_folder).size(), 1);
        QCOMPARE(status.movedAside, m_folder + QLatin1Char('/') + damaged(m_folder).first());
        QCOMPARE(contents(status.movedAside), before); // kept as it was found
        QCOMPARE(runsIn(m_path), 1);
        QCOMPARE(status.notice(RunKind::Test),
                 QStringLiteral("学习记录文件已损坏，已改名为 %1 留在原处，并新建了学习记录；本次测试已记入新的学习记录。")
                     .arg(damaged(m_folder).first()));
    }

    void aFaultLeavesTheRecordAsItWas_data()
    {
        QTest::addColumn<std::function<void(const QString &, const QString &)>>("spoil");
        QTest::addColumn<std::function<void(const QString &, const QString &)>>("mend");
        QTest::addColumn<bool>("needsPermissions");
        QTest::addColumn<QString>("reason");
        using Step = std::function<void(const QString &, const QString &)>;
        const Step nothing = [](const QString &, const QString &) {};
        QTest::newRow("the record read-only")
            << Step([](const QString &path, const QString &) { QFile::setPermissions(path, QFile::ReadOwner); })
            << Step([](const QString &path, const QString &) { QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner); })
            << true << QStringLiteral("没有写入学习记录文件的权限");
        QTest::newRow("its folder closed")
            << Step([](const QString &, const QString &folder) { QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner); })
            << Step([](const QString &, const QString &folder) {
                   QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
               })
            << true << QStringLiteral("没有写入学习记录文件的权限");
        QTest::newRow("the disk full")
            << Step([](const QString &, const QString &) { RecordFile::setPageLimit(1); })
            << Step([](const QString &, const QString &) { RecordFile::setPageLimit(0); })
            << false << QStringLiteral("磁盘已满");
    }

    void aFaultLeavesTheRecordAsItWas()
    {
        QFETCH(std::function<void(const QString &, const QString &)>, spoil);
        QFETCH(std::function<void(const QString &, const QString &)>, mend);
        QFETCH(bool, needsPermissions);
        QFETCH(QString, reason);
        recordOne();
        { RecordFile file(m_path); file.run(QStringLiteral("pragma wal_checkpoint(truncate)")); }
        const QByteArray before = contents(m_path);
        spoil(m_path, m_folder);
        RecordStatus status;
        {
            FilePermissionsHold hold;
            if (needsPermissions)
                REQUIRE_PERMISSIONS_HOLD(hold);
            QList<AnsweredQuestion> many; // more than the pages the record has room in
            for (int id = 1; id <= 300; ++id)
                many << choice(id, 0, false);
            status = recordRun(m_path, run(many));
        }
        mend(m_path, m_folder);
        QVERIFY(!status.recorded);
        QCOMPARE(status.reason, reason);
        QCOMPARE(status.notice(RunKind::Exercise),
                 QStringLiteral("本次单元练习未能记入学习记录：%1。\n\n学习记录文件：%2").arg(reason, m_path));
        QCOMPARE(contents(m_path), before);
        QCOMPARE(damaged(m_folder), QStringList());
        QVERIFY(recordRun(m_path, run({})).recorded); // mended, the next run is kept
        QCOMPARE(runsIn(m_path), 2);
    }

    // Another program holding the record: this run waits a moment, then goes unrecorded.
    void aLockedRecordIsNotWaitedForLong()
    {
        recordOne();
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(m_path);
            QVERIFY(other.open());
            QSqlQuery hold(other);
            QVERIFY(hold.exec(QStringLiteral("begin exclusive")));
            QElapsedTimer waited;
            waited.start();
            const RecordStatus status = recordRun(m_path, run({}));
            QVERIFY(waited.elapsed() < 2000);
            QVERIFY(!status.recorded);
            QCOMPARE(status.reason, QStringLiteral("学习记录文件正被另一个程序使用"));
            QVERIFY(hold.exec(QStringLiteral("rollback")));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QCOMPARE(runsIn(m_path), 1);
    }

    void noRecordWhereItCannotBeMade_data()
    {
        QTest::addColumn<bool>("folderInPlace");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder where the record goes") << true << QStringLiteral("学习记录文件的位置上是一个文件夹");
        QTest::newRow("no folder can be made") << false << QStringLiteral("无法建立学习记录文件夹 %1");
    }

    void noRecordWhereItCannotBeMade()
    {
        QFETCH(bool, folderInPlace);
        QFETCH(QString, reason);
        QString path = m_path;
        if (folderInPlace) {
            QVERIFY(QDir().mkpath(m_path));
        } else {
            QVERIFY(QDir().mkpath(m_folder));
            QFile blocker(m_folder + QStringLiteral("/file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            path = blocker.fileName() + QStringLiteral("/deeper/record.sqlite"); // a file where a folder must be
            reason = reason.arg(QDir::toNativeSeparators(blocker.fileName() + QStringLiteral("/deeper")));
        }
        const RecordStatus status = recordRun(path, run({}));
        QVERIFY(!status.recorded);
        QCOMPARE(status.reason, reason);
        QVERIFY(QFileInfo(m_path).isDir() == folderInPlace);
    }
};

QTEST_GUILESS_MAIN(TestRecordFaults)
#include "tst_record_faults.moc"
