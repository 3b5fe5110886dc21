#include "answer/AnswerClock.h"
#include "answer/AnswerWindows.h"
#include "answer/Frm_t_main.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QPointer>
#include <QThread>

using namespace AnswerWindows;

class TestAnswerClock : public QObject
{
    Q_OBJECT

private slots:
    void formats_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("exercise");
        QTest::newRow("1") << 1 << "00:00:01" << "0:00:01";
        QTest::newRow("59") << 59 << "00:00:59" << "0:00:59";
        QTest::newRow("60") << 60 << "00:01:00" << "0:01:00";
        QTest::newRow("750") << 750 << "00:12:30" << "0:12:30";
        QTest::newRow("3599") << 3599 << "00:59:59" << "0:59:59";
        QTest::newRow("3600") << 3600 << "01:00:00" << "1:00:00";
        QTest::newRow("36000") << 36000 << "10:00:00" << "10:00:00";
        QTest::newRow("32767") << 32767 << "09:06:07" << "9:06:07";
        QTest::newRow("32768") << 32768 << "09:06:08" << "9:06:08";
        QTest::newRow("100 hours") << 360000 << "100:00:00" << "100:00:00";
    }

    void formats()
    {
        QFETCH(int, seconds);
        QFETCH(QString, test);
        QFETCH(QString, exercise);
        QCOMPARE(AnswerClock::text(seconds, 2), test);
        QCOMPARE(AnswerClock::text(seconds, 1), exercise);
    }

    // The clock stops with its window, and a new test starts from zero.
    void aNewTestStartsFromZero()
    {
        TestBank bank;
        AppFixture app(bank);
        const std::shared_ptr<TestRun> before = testRun();
        QWidget *first = answer(before);
        const QPointer<QTimer> timer = control<QTimer>(first, QStringLiteral("Timer1"));
        tick(first);
        first->close(); // a test before, one second long
        settle();
        QVERIFY(!timer);
        QCOMPARE(before->test_clock, 1);
        QWidget *w = startTest();
        QCOMPARE(shownTest().test_clock, 0);
        QCOMPARE(text(w, "Lab_time"), QStringLiteral("00:00:00"));
        tick(w);
        QCOMPARE(text(w, "Lab_time"), QStringLiteral("00:00:01"));
        QCOMPARE(shownTest().test_clock, 1);
    }

    void countsOnPastTheSixteenBitLimit()
    {
        TestBank bank;
        AppFixture app(bank);
        const std::shared_ptr<TestRun> run = testRun();
        run->test_clock = 32767;
        QWidget *w = answer(run);
        tick(w);
        QCOMPARE(text(w, "Lab_time"), QStringLiteral("09:06:08"));
        QCOMPARE(run->test_clock, 32768);
    }

    void aBlockedProgramDoesNotMakeTheClockRace()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = startTest();
        QThread::msleep(3500); // the event loop is held up, as by a long piece of work
        QTest::qWait(200);
        // The missed seconds come as one tick, not three; a slow machine may add one more.
        QVERIFY2(shownTest().test_clock <= 2, qPrintable(QString::number(shownTest().test_clock)));
        QCOMPARE(text(w, "Lab_time"), AnswerClock::text(shownTest().test_clock, 2));
    }
};

QTEST_MAIN(TestAnswerClock)
#include "tst_answer_clock.moc"
