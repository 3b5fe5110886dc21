#include "data/BankOpen.h"
#include "data/JetBank.h"
#include "data/SqliteBank.h"
#include "support/FilePermissions.h"
#include "support/TestBank.h"

#include "BankFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <sys/stat.h>

// What the student is told when the bank cannot be read: what happened, not what an engine made
// of it. A folder and a closed folder or file are refused before any engine tries them, by every
// way of opening a bank; a bank another program holds locked is waited for, briefly.
class TestBankAccess : public QObject
{
    Q_OBJECT

    using Open = std::function<void(const QString &)>;

    static QString failure(const Open &open, const QString &path)
    {
        return bankFailure([&] { open(path); });
    }

    static QString native(const QString &path) { return QDir::toNativeSeparators(path); }

    // Another program holding the bank locked for writing, for the given seconds.
    struct LockHolder
    {
        QProcess process;

        LockHolder(const QString &bank, double seconds)
        {
            const QString script = QStringLiteral(
                "import sqlite3, sys, time\n"
                "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                "c.execute('begin exclusive')\n"
                "print('locked', flush=True)\n"
                "time.sleep(float(sys.argv[2]))\n"
                "c.execute('commit')\n");
            process.start(QStringLiteral(ZQ_PYTHON), {QStringLiteral("-c"), script, bank, QString::number(seconds)});
            if (!process.waitForReadyRead(30000) || !process.readAllStandardOutput().startsWith("locked"))
                qFatal("the lock holder did not lock: %s", process.readAllStandardError().constData());
        }
        ~LockHolder()
        {
            process.kill();
            process.waitForFinished();
        }
    };

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<Open>("open");
        QTest::addColumn<bool>("sqlite"); // reaches the SQLite store with an SQLite file
        QTest::newRow("by its format") << Open([](const QString &p) { openQuestionBank(p); }) << true;
        QTest::newRow("as SQLite") << Open([](const QString &p) { SqliteBank bank(p); }) << true;
        QTest::newRow("as Jet") << Open([](const QString &p) { JetBank bank(p); }) << false;
    }

    void aFolderWhereTheBankShouldBeIsNamedSo()
    {
        QFETCH_GLOBAL(Open, open);
        QTemporaryDir dir;
        const QString bank = dir.filePath(QStringLiteral("c_qiyuan.db"));
        QVERIFY(QDir().mkdir(bank));
        QCOMPARE(failure(open, bank), QStringLiteral("题库文件 %1 是一个文件夹，不是题库文件").arg(native(bank)));
    }

    void noPermissionIsNamedWithTheFolderOrFile()
    {
        QFETCH_GLOBAL(Open, open);
        TestBank source;
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("dbase"));
        QVERIFY(QDir().mkdir(folder));
        const QString bank = folder + QStringLiteral("/c_qiyuan.db");
        QVERIFY(QFile::copy(source.path(), bank));
        QVERIFY(QFile::setPermissions(bank, QFileDevice::WriteOwner));
        {
            FilePermissionsHold hold;
            REQUIRE_PERMISSIONS_HOLD(hold);
            QCOMPARE(failure(open, bank), QStringLiteral("没有权限读取题库文件 %1").arg(native(bank)));
        }
        QVERIFY(QFile::setPermissions(bank, QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        {
            FilePermissionsHold hold;
            REQUIRE_PERMISSIONS_HOLD(hold);
            QCOMPARE(failure(open, bank),
                     QStringLiteral("没有权限进入文件夹 %1，无法读取其中的题库文件 %2").arg(native(folder), native(bank)));
        }
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QFETCH_GLOBAL(bool, sqlite);
        if (sqlite)
            QCOMPARE(failure(open, bank), QString()); // and with permission it opens
    }

    void aPipeWhereTheBankShouldBeIsRefusedWithoutWaiting()
    {
        QFETCH_GLOBAL(Open, open);
        QTemporaryDir dir;
        const QString bank = dir.filePath(QStringLiteral("c_qiyuan.db"));
        QVERIFY(::mkfifo(QFile::encodeName(bank).constData(), 0644) == 0);
        QCOMPARE(failure(open, bank), QStringLiteral("题库文件 %1 不是普通文件（可能是管道或设备），不能作为题库").arg(native(bank)));
    }

    void aBankThatMustWriteBesideItselfOnReadOnlyMediaIsNamedSo_data()
    {
        QTest::addColumn<QString>("journalMode");
        QTest::addColumn<QString>("cause");
        QTest::newRow("WAL") << QStringLiteral("wal") << QStringLiteral("它以 WAL 方式保存");
        QTest::newRow("leftover journal") << QStringLiteral("delete") << QStringLiteral("旁边留有一次未完成的写入的日志文件");
    }

    void aBankThatMustWriteBesideItselfOnReadOnlyMediaIsNamedSo()
    {
        QFETCH_GLOBAL(Open, open);
        QFETCH_GLOBAL(bool, sqlite);
        QFETCH(QString, journalMode);
        QFETCH(QString, cause);
        if (!sqlite)
            QSKIP("a Jet file needs nothing written beside it");
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"));
        source.exec(QStringLiteral("pragma journal_mode = %1").arg(journalMode));
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("media"));
        QVERIFY(QDir().mkdir(folder));
        const QString bank = folder + QStringLiteral("/c_qiyuan.db");
        QVERIFY(QFile::copy(source.path(), bank));
        if (journalMode == u"delete") {
            // A writer that ends in the middle of its change leaves its journal behind.
            const QString script = QStringLiteral(
                "import os, sqlite3, sys\n"
                "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                "c.execute('pragma cache_size = 1')\n"
                "c.execute('begin')\n"
                "for i in range(500): c.execute('insert into chapter values (?, ?, ?)', (str(i), 'x' * 500, 'y' * 500))\n"
                "os._exit(0)\n");
            QVERIFY(QProcess::execute(QStringLiteral(ZQ_PYTHON), {QStringLiteral("-c"), script, bank}) == 0);
            QVERIFY(QFileInfo(bank + QStringLiteral("-journal")).size() > 0);
        }
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QString refused;
        {
            FilePermissionsHold hold;
            REQUIRE_PERMISSIONS_HOLD(hold);
            refused = failure(open, bank);
        }
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QVERIFY2(refused.startsWith(QStringLiteral("题库文件 %1 放在不能写入的地方").arg(native(bank))) && refused.contains(cause),
                 qPrintable(refused));
    }

    void aLockedBankIsWaitedForThenNamed()
    {
        QFETCH_GLOBAL(Open, open);
        QFETCH_GLOBAL(bool, sqlite);
        if (!sqlite)
            QSKIP("libmdb reads a Jet file whatever locks it");
        TestBank source;
        source.addChapter(QStringLiteral("01"), QStringLiteral("概述"));
        {
            LockHolder holder(source.path(), 60);
            QCOMPARE(failure(open, source.path()),
                     QStringLiteral("题库文件 %1 正被另一个程序锁定（可能正在写入），等了一秒仍无法读取。请关闭那个程序后再试。")
                         .arg(native(source.path())));
        }
        // A lock let go within the wait is no failure.
        LockHolder holder(source.path(), 0.2);
        QCOMPARE(failure(open, source.path()), QString());
    }
};

QTEST_MAIN(TestBankAccess)
#include "tst_bank_access.moc"
