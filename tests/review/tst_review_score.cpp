// The score both reviews show, the marks on the question squares and program tabs, and the
// checks a run's end owes (those that need no compiler; tst_task_check runs the real ones).

#include "ReviewHelpers.h"

#include "record/LearningRecord.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"
#include "support/Verdicts.h"
#include "workfiles/TaskFiles.h"
#include "workfiles/WorkFolders.h"

#include <QtTest>

namespace {

const QColor kRight(0, 170, 0);
const QColor kWrong(255, 200, 0);
const QColor kUnanswered(170, 170, 170);

// Choices 1..right picked right ("B"), the next one wrong, the rest left; the first `passed`
// tasks of each section passing their last check.
void answer(Paper &paper, int choices, int right, std::array<int, 3> tasks, std::array<int, 3> passed)
{
    fillChoices(paper, choices);
    for (int n = 1; n <= choices; ++n)
        paper.ch(n).chosen = n <= right ? 2 : n == right + 1 ? 1 : 0;
    const std::array<QString, 3> kinds{QStringLiteral("填空"), QStringLiteral("改错"), QStringLiteral("编程")};
    for (std::size_t s = 0; s < 3; ++s) {
        ProgramSection &section = *paper.sections()[s];
        fillTasks(section, tasks[s], kinds[s]);
        for (int n = 1; n <= passed[s]; ++n)
            section(n).verdict = verdictOf(VerdictKind::Passed, 2, 2);
    }
}

QString scoreText(QWidget *form)
{
    return form->findChild<QLabel *>(QStringLiteral("Lab_score"))->text();
}

QColor markOf(QWidget *form, int index)
{
    QLabel *mark = square(form, index)->findChild<QLabel *>(QStringLiteral("mark"));
    return mark && mark->isVisibleTo(form) ? mark->palette().color(QPalette::Window) : QColor();
}

}

class TestReviewScore : public QObject
{
    Q_OBJECT

    using Counts = std::array<int, 3>;

    TestBank m_bank;
    std::optional<AppFixture> m_app;

private slots:
    void init() { m_app.emplace(m_bank); }
    void cleanup() { m_app.reset(); }

    void bothReviewsShowTheScore_data()
    {
        QTest::addColumn<bool>("exercise");
        QTest::addColumn<int>("choices");
        QTest::addColumn<int>("right");
        QTest::addColumn<Counts>("tasks");
        QTest::addColumn<Counts>("passed");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("summary");
        QTest::newRow("test") << false << 10 << 7 << Counts{3, 3, 3} << Counts{2, 1, 1} << 723
                              << "选择题 7/10 · 填空 2/3 · 改错 1/3 · 编程 1/3 · 得分 54 · 用时 12:03";
        QTest::newRow("test, all right, past the hour")
            << false << 10 << 10 << Counts{3, 3, 3} << Counts{3, 3, 3} << 3725
            << "选择题 10/10 · 填空 3/3 · 改错 3/3 · 编程 3/3 · 得分 100 · 用时 1:02:05";
        QTest::newRow("exercise, scaled") << true << 10 << 10 << Counts{5, 5, 5} << Counts{0, 5, 0} << 59
                                          << "选择题 10/10 · 填空 0/5 · 改错 5/5 · 编程 0/5 · 得分 50 · 用时 00:59";
    }

    void bothReviewsShowTheScore()
    {
        QFETCH(bool, exercise);
        QFETCH(int, choices);
        QFETCH(int, right);
        QFETCH(Counts, tasks);
        QFETCH(Counts, passed);
        QFETCH(int, seconds);
        QWidget *form = showReview(exercise, [&](Paper &paper) { answer(paper, choices, right, tasks, passed); },
                                   m_app->workBase(), seconds);
        QTEST(scoreText(form), "summary");
    }

    // Each square tells right, wrong or not answered by a mark of its own and a tooltip, while its
    // colour still says which question is on show.
    void squaresAndTabsAreMarked()
    {
        QWidget *form = showReview(false, [](Paper &paper) {
            answer(paper, 4, 2, {2, 0, 1}, {1, 0, 0});
            paper.pro(1).verdict = verdictOf(VerdictKind::WrongOutput, 1, 2);
        }, m_app->workBase());

        QCOMPARE(markOf(form, 0), kRight);
        QCOMPARE(markOf(form, 1), kRight);
        QCOMPARE(markOf(form, 2), kWrong);
        QCOMPARE(markOf(form, 3), kUnanswered);
        QCOMPARE(markOf(form, 4), QColor()); // no question 5
        QCOMPARE(square(form, 0)->toolTip(), QStringLiteral("第1题：答对"));
        QCOMPARE(square(form, 2)->toolTip(), QStringLiteral("第3题：答错，正确答案 B"));
        QCOMPARE(square(form, 3)->toolTip(), QStringLiteral("第4题：未答"));
        QCOMPARE(background(square(form, 0)), kRed);

        click(form, "Cmd_ch_next");
        QCOMPARE(background(square(form, 1)), kRed);
        QCOMPARE(background(square(form, 0)), kBlue);
        QCOMPARE(markOf(form, 0), kRight);

        auto *tabs = form->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("填空题"));
        QCOMPARE(tabs->tabToolTip(1), QStringLiteral("【1】全部通过 (2/2)\n【2】未检查，不得分"));
        QVERIFY(!tabs->tabIcon(1).isNull());
        QVERIFY(tabs->tabIcon(2).isNull()); // no tasks
        QCOMPARE(tabs->tabToolTip(3), QStringLiteral("【1】输出不正确"));
    }

    // Files as handed out and files unchanged since their check are not checked again: the
    // review has nothing to wait for.
    void untouchedAndCheckedFilesAreNotCheckedAgain()
    {
        const auto run = std::make_shared<TestRun>();
        run->test_path = m_app->workBase();
        answer(run->TestPaper, 0, 0, {2, 0, 0}, {0, 0, 0});
        TaskFiles::write(m_app->workBase(), QStringLiteral("blank_1.c"), QStringLiteral("int a;"));
        TaskFiles::write(m_app->workBase(), QStringLiteral("blank_2.c"), QStringLiteral("int b;"));
        QFile edited(WorkFolders::join(m_app->workBase(), QStringLiteral("blank_2.c")));
        QVERIFY(edited.open(QIODevice::Append));
        edited.write("/* mine */");
        edited.close();
        Task &checked = run->TestPaper.blank(2);
        checked.verdict = verdictOf(VerdictKind::WrongOutput, 0, 1);
        checked.checkedSource = checked.sourceDigest(m_app->workBase());

        auto *form = Forms<Frm_t_over>::show(run);
        QCOMPARE(scoreText(form), QStringLiteral("选择题 0/0 · 填空 0/2 · 改错 0/0 · 编程 0/0 · 得分 0 · 用时 00:00"));
        QVERIFY(!run->TestPaper.blank(1).verdict);
        QCOMPARE(run->TestPaper.blank(2).verdict->kind, VerdictKind::WrongOutput);
    }

    // A finished run goes into the learning record once its review is on show with nothing left
    // to check, with the score the review shows; leaving the review does not record it again.
    void theRunIsRecordedOnceWithItsScore()
    {
        const auto run = std::make_shared<TestRun>();
        run->test_path = m_app->workBase();
        run->group = 3;
        run->test_clock = 723;
        answer(run->TestPaper, 10, 7, {3, 3, 3}, {2, 1, 1});
        Forms<Frm_t_over>::show(run);

        QString movedAside;
        QTRY_COMPARE(LearningRecord::summary({}, movedAside).runs.size(), 1);
        const RecordSummary::Run recorded = LearningRecord::summary({}, movedAside).runs.first();
        QCOMPARE(recorded.kind, RunKind::Test);
        QCOMPARE(recorded.subject, QStringLiteral("3"));
        QCOMPARE(recorded.title, QStringLiteral("第3套练习题"));
        QCOMPARE(recorded.score, 54);
        QCOMPARE(recorded.seconds, 723);
        QVERIFY(movedAside.isEmpty());

        Forms<Frm_t_over>::unload();
        QCOMPARE(LearningRecord::summary({}, movedAside).runs.size(), 1);
    }
};

QTEST_MAIN(TestReviewScore)
#include "tst_review_score.moc"
