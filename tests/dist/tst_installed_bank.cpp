#include "data/InstalledBank.h"

#include <QTest>

// The bank is looked for where the install rules put it, under whatever prefix the program was
// installed, unpacked or moved to.
class TestInstalledBank : public QObject
{
    Q_OBJECT
private slots:
    void folder_followsTheProgramsPrefix_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("unpacked package") << QStringLiteral("/tmp/zqroot/usr");
        QTest::newRow("prefix with spaces and Chinese") << QStringLiteral("/home/学生/my programs");
    }
    void folder_followsTheProgramsPrefix()
    {
        QFETCH(QString, prefix);
        QCOMPARE(InstalledBank::folder(prefix + QStringLiteral("/" ZQ_INSTALL_BINDIR)),
                 prefix + QStringLiteral("/" ZQ_INSTALL_BANKDIR));
    }
};

QTEST_GUILESS_MAIN(TestInstalledBank)
#include "tst_installed_bank.moc"
