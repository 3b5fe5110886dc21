#include "answer/AnswerWindows.h"
#include "data/BankError.h"
#include "data/BankFile.h"
#include "record/LearningRecord.h"
#include "record/RecordRuns.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"
#include "workfiles/WorkFolderLock.h"

#include <QtTest>

using namespace AnswerWindows;
using namespace RecordRuns;

// The notebook's questions of the open bank, from both question tables, as the exercise window asks them.
class TestNotebookPaper : public QObject
{
    Q_OBJECT

private slots:
    void theNotebooksQuestionsOfThisBank()
    {
        TestBank bank;
        const int wrongKind = bank.nextId();
        bank.addTestChoice(1, QStringLiteral("记成了编程题"));
        const int exercise = bank.nextId();
        bank.addExercise("01", "02", {{"title", "单元选择"}, {"ch_4", "丁"}, {"answer", " d "}});
        const int firstTest = bank.nextId();
        for (int i = 1; i <= 11; ++i)
            bank.addTest("1", 2, {{"title", QStringLiteral("测试选择%1").arg(i)}, {"ch1", "子"}});
        const int program = bank.nextId();
        bank.addTest("4", 3, {{"title", "编程"}, {"content", "int main(void) {}"}, {"data_file", "1"}, {"data_file1", "3 4"}});
        AppFixture app(bank);
        const BankIdentity thisBank = BankIdentity::of(BankFile::path());

        // The oldest entries name nothing the bank holds as such, and still take their places.
        AnsweredQuestion wronglyKept = task(QuestionKind::Pro, wrongKind, {});
        QVERIFY(LearningRecord::save(run({choice(999, 0, false), choice(firstTest, 0, false, "c_bogus"), wronglyKept},
                                         RunKind::Test, "1", 0, thisBank)).recorded);
        QVERIFY(LearningRecord::save(run({choice(firstTest, 0, false)}, RunKind::Test, "1", 0, kOtherBank)).recorded);
        QList<AnsweredQuestion> missed = {choice(exercise, 0, false, "c_excer"), task(QuestionKind::Pro, program, {})};
        for (int i = 0; i < 11; ++i)
            missed << choice(firstTest + i, 2, false);
        QVERIFY(LearningRecord::save(run(missed, RunKind::Test, "1", 0, thisBank)).recorded);

        QString movedAside;
        const QuestionPick pick = Notebook::practice(LearningRecord::summary(thisBank.hash, movedAside).notebook);
        const auto practice = ExerciseRun::startPractice(*OpenBank::conn, pick, ExerciseRun::readyFolder());
        const Paper &paper = practice->ExercisePaper;
        QCOMPARE(practice->chapterTitle, QStringLiteral("错题本中的9题"));
        QCOMPARE(paper.ch.count, 8); // ten asked, two of them gone; the newest three wait
        QCOMPARE(paper.ch(1).bankTable, QStringLiteral("c_excer"));
        QCOMPARE(paper.ch(1).bankId, exercise);
        QCOMPARE(paper.ch(1).option(4), QStringLiteral("[D] 丁"));
        QCOMPARE(paper.ch(1).answer, QStringLiteral("D"));
        QCOMPARE(paper.ch(2).bankTable, QStringLiteral("c_test"));
        QCOMPARE(paper.ch(2).option(1), QStringLiteral("[A] 子"));
        QCOMPARE(paper.ch(8).title, QStringLiteral("测试选择7"));
        QCOMPARE(paper.pro.count, 1);
        QCOMPARE(paper.pro(1).bankId, program);
        QCOMPARE(filesIn(practice->exer_path), (QStringList{"data_11.dat", "pro_1.c"}));
        QCOMPARE(practice->exer_path, WorkFolders::exercisePath());
    }

    // Nothing to ask: the practice does not start, and the exercise folder is free again.
    void aPickTheBankHoldsNoneOfStartsNothing()
    {
        TestBank bank;
        AppFixture app(bank);
        QuestionPick pick;
        pick.choice = {{"c_test", 7}, {"c_excer", 8}};
        try {
            ExerciseRun::startPractice(*OpenBank::conn, pick, ExerciseRun::readyFolder());
            QFAIL("a practice of nothing started");
        } catch (const BankError &error) {
            QCOMPARE(error.message(), QStringLiteral("错题本中的题目在本题库中都已找不到。"));
        }
        QVERIFY(!WorkFolderLock::isHeld(WorkKind::Exercise));
    }
};

QTEST_MAIN(TestNotebookPaper)
#include "tst_notebook_paper.moc"
