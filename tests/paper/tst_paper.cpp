#include "state/Module1.h"

#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

// A question index outside a section's capacity must stop the program, never touch memory.
class TestPaper : public QObject
{
    Q_OBJECT

    template <class Fault>
    static bool abortsLoudly(Fault fault)
    {
        const pid_t child = fork();
        if (child == 0) {
            ::close(STDERR_FILENO);
            fault();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT;
    }

private slots:
    void capacitiesDifferBetweenThePapers()
    {
        QCOMPARE(Module1::TestPaper.ch.title.size(), 10);
        QCOMPARE(Module1::TestPaper.pro.title.size(), 3);
        QCOMPARE(Module1::ExercisePaper.blank.explain.size(), 5);
        Module1::TestPaper.pro.title(3) = QStringLiteral("三");
        Module1::ExercisePaper.pro.title(5) = QStringLiteral("五");
        Module1::TestPaper.ch.option(10, 4) = QStringLiteral("[D] ");
        Module1::TestPaper.ch.chosen(4) = 3;
        Module1::TestPaper.clear();
        QCOMPARE(Module1::TestPaper.pro.title(3), QString());
        QCOMPARE(Module1::TestPaper.ch.chosen(4), 0);
        QCOMPARE(Module1::ExercisePaper.pro.title(5), QStringLiteral("五"));
    }

    void indicesOutsideTheBoundsAbort()
    {
        QVERIFY(abortsLoudly([] { Module1::TestPaper.pro.title(4) = QStringLiteral("x"); }));
        QVERIFY(abortsLoudly([] { Module1::ExercisePaper.ch.chosen(0) = 1; }));
        QVERIFY(abortsLoudly([] { Module1::TestPaper.ch.option(1, 5) = QStringLiteral("x"); }));
        QVERIFY(abortsLoudly([] { Module1::TestPaper.ch.title(11).size(); }));
        QVERIFY(!abortsLoudly([] { Module1::ExercisePaper.pro.answer(5).size(); }));
    }
};

QTEST_GUILESS_MAIN(TestPaper)
#include "tst_paper.moc"
