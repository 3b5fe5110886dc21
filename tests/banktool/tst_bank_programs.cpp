// Every program of the bundled bank, proven with the system C compiler: fill-in programs with
// their fills, corrected and faulty programs, reference programs with their data files, skeletons
// and the classic algorithms. A failure names the source file and line, the task and what the
// compiler said or how the output differs.

#include "banktool/BankSource.h"
#include "banktool/ProgramCheck.h"
#include "banktool/ProofCache.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

class TestBankPrograms : public QObject
{
    Q_OBJECT

    BankSource m_bank;
    QStringList m_sourceErrors;
    QList<ProgramCheck::Check> m_checks;
    QList<QStringList> m_results;

private slots:
    void initTestCase()
    {
        // ZQ_BANK_SOURCE_DIR in the environment checks another copy of the sources.
        const QString folder = qEnvironmentVariable("ZQ_BANK_SOURCE_DIR", QStringLiteral(ZQ_BANK_SOURCE_DIR));
        m_bank = readBankSource(folder, m_sourceErrors);
        if (QStandardPaths::findExecutable(u"gcc"_s).isEmpty())
            QSKIP("gcc is not installed");
        // All compiles and runs happen here, in parallel; the rows below report them one by one.
        m_checks = ProgramCheck::checksOf(m_bank);
        // ZQ_BANK_ONLY=chapters/03.yaml proves only the tasks of the files whose path holds it.
        const QString only = qEnvironmentVariable("ZQ_BANK_ONLY");
        if (!only.isEmpty())
            m_checks.removeIf([&](const ProgramCheck::Check &c) { return !c.place.file.contains(only); });
        ProgramCheck::Settings settings;
        QElapsedTimer clock;
        clock.start();
        // The bank build proves every program and keeps each passed proof in the proof cache of the
        // build folder. This test reads the same cache, so after a build it proves again only what
        // the build did not prove (what changed since, what failed), yet on a fresh build folder or
        // another copy of the sources it proves everything itself.
        ProofCache cache(QStringLiteral(ZQ_PROOF_CACHE), settings);
        m_results = ProgramCheck::runChecks(m_checks, settings, std::clamp(QThread::idealThreadCount(), 2, 4), &cache);
        if (const QString failure = cache.save(); !failure.isEmpty())
            qWarning("%s", qPrintable(failure));
        qInfo("%lld programs' tasks checked in %.1f s", qlonglong(m_checks.size()), clock.elapsed() / 1000.0);
    }

    // Choice questions and the shape of every task are checked while the sources are read.
    void sourcesReadWithoutFaults()
    {
        QVERIFY2(m_sourceErrors.isEmpty(), qPrintable(m_sourceErrors.join(u'\n')));
        QVERIFY(!m_bank.chapters.isEmpty());
    }

    void taskIsProven_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_checks.size(); ++i)
            QTest::newRow(qPrintable(m_checks[i].label)) << i;
    }

    void taskIsProven()
    {
        QFETCH(int, index);
        const QStringList problems = m_results.value(index);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestBankPrograms)
#include "tst_bank_programs.moc"
