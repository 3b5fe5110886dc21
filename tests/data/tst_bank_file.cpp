#include "data/BankFile.h"
#include "data/InstalledBank.h"
#include "support/FilePermissions.h"

#include "BankFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

// Which bank the program opens: the one given, else the first candidate beside the program,
// else the installed one.
class TestBankFile : public QObject
{
    Q_OBJECT

    QString m_folder;

    void put(const QString &name)
    {
        QFile file(m_folder + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private slots:
    void init()
    {
        m_folder = QCoreApplication::applicationDirPath() + QStringLiteral("/dbase");
        QDir(m_folder).removeRecursively();
        QVERIFY(QDir().mkpath(m_folder));
    }

    void cleanup()
    {
        QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir(m_folder).removeRecursively();
        BankFile::setPath({});
    }

    void theProgramsOwnBankComesBeforeAnOldOne()
    {
        const QString installed = InstalledBank::folder(QCoreApplication::applicationDirPath());
        QCOMPARE(BankFile::candidates(), QStringList({m_folder + "/c_qiyuan.db", m_folder + "/c_qiyuan.mdb",
                                                      installed + "/c_qiyuan.db", installed + "/c_qiyuan.mdb"}));
        put(QStringLiteral("c_qiyuan.mdb"));
        QCOMPARE(BankFile::path(), m_folder + "/c_qiyuan.mdb");
        put(QStringLiteral("c_qiyuan.db"));
        QCOMPARE(BankFile::path(), m_folder + "/c_qiyuan.db");
    }

    void aGivenBankComesFirst()
    {
        put(QStringLiteral("c_qiyuan.db"));
        BankFile::setPath(QStringLiteral("/elsewhere/bank.mdb"));
        QCOMPARE(BankFile::path(), QStringLiteral("/elsewhere/bank.mdb"));
    }

    void withNoBankEveryPlaceTriedIsNamed()
    {
        const QString message = bankFailure([] { BankFile::path(); });
        QVERIFY(message.startsWith(QStringLiteral("找不到题库文件")));
        for (const QString &place : BankFile::candidates())
            QVERIFY2(message.contains(QDir::toNativeSeparators(place)), qPrintable(message));
    }

    void aFolderThatMayNotBeEnteredIsNamedNotMissing()
    {
        put(QStringLiteral("c_qiyuan.db"));
        QVERIFY(QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QString message;
        {
            FilePermissionsHold hold;
            REQUIRE_PERMISSIONS_HOLD(hold);
            message = bankFailure([] { BankFile::path(); });
        }
        const QString folder = QDir::toNativeSeparators(m_folder);
        QVERIFY2(message.startsWith(QStringLiteral("没有权限进入文件夹 %1，无法查找其中的题库文件。").arg(folder)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("c_qiyuan.db（没有权限进入文件夹 %1）").arg(folder)), qPrintable(message));
    }

    void aFolderInTheBanksPlaceIsTakenForTheBank()
    {
        QVERIFY(QDir().mkdir(m_folder + QStringLiteral("/c_qiyuan.db")));
        put(QStringLiteral("c_qiyuan.mdb"));
        QCOMPARE(BankFile::path(), m_folder + "/c_qiyuan.db"); // opening it says it is a folder
    }
};

QTEST_MAIN(TestBankFile)
#include "tst_bank_file.moc"
