#include "paper/Paper.h"
#include "paper/Score.h"
#include "support/Verdicts.h"

#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

// The typed paper: bounds that stop the program instead of touching memory, what counts as
// right, and the score weighed from it.
class TestPaper : public QObject
{
    Q_OBJECT

    using Counts = std::array<int, 3>; // fill-in, correction, programming

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

    // A paper of the given counts: `rightChoices` choices picked right, one more picked wrong,
    // and in each program section the first `passed` tasks passing their last check.
    static Paper paper(int capacity, int choices, int rightChoices, Counts counts, Counts passed)
    {
        Paper p(capacity);
        p.ch.count = choices;
        for (int i = 1; i <= choices; ++i) {
            p.ch(i).answer = QStringLiteral("C");
            p.ch(i).chosen = i <= rightChoices ? 3 : i == rightChoices + 1 ? 1 : 0;
        }
        for (int s = 0; s < 3; ++s) {
            ProgramSection &section = *p.sections()[std::size_t(s)];
            section.count = counts[std::size_t(s)];
            for (int i = 1; i <= passed[std::size_t(s)]; ++i)
                section(i).verdict = verdictOf(VerdictKind::Passed, 3, 3);
        }
        return p;
    }

private slots:
    void capacitiesDifferBetweenThePapers()
    {
        const Paper test(3), exercise(5);
        QCOMPARE(test.ch.questions.size(), 10);
        QCOMPARE(test.pro.tasks.size(), 3);
        QCOMPARE(exercise.blank.tasks.size(), 5);
        QCOMPARE(test.err.kind, TaskKind::Correction);
    }

    void indicesOutsideTheBoundsAbort()
    {
        QVERIFY(abortsLoudly([] { Paper(3).pro(4).title = QStringLiteral("x"); }));
        QVERIFY(abortsLoudly([] { Paper(5).ch(0).chosen = 1; }));
        QVERIFY(abortsLoudly([] { Paper(3).ch(1).option(5) = QStringLiteral("x"); }));
        QVERIFY(abortsLoudly([] { Paper(3).ch(11).title.size(); }));
        QVERIFY(!abortsLoudly([] { Paper(5).pro(5).answer.size(); }));
    }

    void whatCountsAsRight_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("right");
        QTest::newRow("the key") << "B" << 2 << true << true;
        QTest::newRow("another option") << "B" << 3 << true << false;
        QTest::newRow("none") << "A" << 0 << false << false;
        QTest::newRow("out of range") << "A" << 5 << false << false;
    }

    void whatCountsAsRight()
    {
        QFETCH(QString, key);
        QFETCH(int, chosen);
        ChoiceQuestion q;
        q.answer = key;
        q.chosen = chosen;
        QTEST(q.answered(), "answered");
        QTEST(q.right(), "right");
    }

    void aTaskPassesOnlyOnAPassingCheck_data()
    {
        QTest::addColumn<std::optional<VerdictKind>>("verdict");
        QTest::addColumn<bool>("passed");
        QTest::newRow("never checked") << std::optional<VerdictKind>() << false;
        QTest::newRow("passed") << std::optional(VerdictKind::Passed) << true;
        QTest::newRow("no cases, compiled") << std::optional(VerdictKind::CompiledOnly) << true;
        QTest::newRow("wrong output") << std::optional(VerdictKind::WrongOutput) << false;
    }

    void aTaskPassesOnlyOnAPassingCheck()
    {
        QFETCH(std::optional<VerdictKind>, verdict);
        Task task;
        if (verdict)
            task.verdict = verdictOf(*verdict);
        QTEST(task.passed(), "passed");
    }

    void scoresWeighLikeTheExam_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("choices");
        QTest::addColumn<int>("rightChoices");
        QTest::addColumn<Counts>("counts");
        QTest::addColumn<Counts>("passed");
        QTest::addColumn<int>("points");
        using A = Counts;
        QTest::newRow("all right") << 3 << 10 << 10 << A{3, 3, 3} << A{3, 3, 3} << 100;
        // 7*4 + 2*6 + 1*6 + 1*8 = 54
        QTest::newRow("the example") << 3 << 10 << 7 << A{3, 3, 3} << A{2, 1, 1} << 54;
        QTest::newRow("programs weigh 8") << 3 << 10 << 0 << A{3, 3, 3} << A{0, 0, 3} << 24;
        // An exercise of 10/5/5/5 is worth 40 + 30 + 30 + 40 = 140, scaled to 100: 70/140.
        QTest::newRow("exercise scaled") << 5 << 10 << 10 << A{5, 5, 5} << A{0, 5, 0} << 50;
        // 1 of 1 choice right and a task not passed: 4 of 4 + 6 = 40.
        QTest::newRow("small set") << 5 << 1 << 1 << A{1, 0, 0} << A{0, 0, 0} << 40;
        QTest::newRow("empty paper") << 3 << 0 << 0 << A{0, 0, 0} << A{0, 0, 0} << 0;
        // 2 of 3 choices: 8/12 = 66.67, rounded to the nearest.
        QTest::newRow("rounds") << 3 << 3 << 2 << A{0, 0, 0} << A{0, 0, 0} << 67;
    }

    void scoresWeighLikeTheExam()
    {
        QFETCH(int, capacity);
        QFETCH(int, choices);
        QFETCH(int, rightChoices);
        QFETCH(Counts, counts);
        QFETCH(Counts, passed);
        const Score score = Score::of(paper(capacity, choices, rightChoices, counts, passed));
        QTEST(score.points, "points");
        QCOMPARE(score.choice.right, rightChoices);
        QCOMPARE(score.choice.count, choices);
        QCOMPARE(score.pro.right, passed[2]);
        QCOMPARE(score.blank.count, counts[0]);
    }
};

QTEST_GUILESS_MAIN(TestPaper)
#include "tst_paper.moc"
