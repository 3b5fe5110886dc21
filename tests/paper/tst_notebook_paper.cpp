#include "answer/AnswerWindows.h"
#include "data/BankError.h"
#include "data/BankFile.h"
#include "record/LearningRecord.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"
#include "workfiles/WorkFolderLock.h"

#include <QtTest>

using namespace AnswerWindows;

namespace {

AnsweredQuestion missed(const QString &table, int id, QuestionKind kind = QuestionKind::Choice)
{
    AnsweredQuestion question;
    question.table = table;
    question.id = id;
    question.kind = kind;
    return question;
}

void save(QList<AnsweredQuestion> questions, BankIdentity bank = BankIdentity::of(BankFile::path()))
{
    static qint64 clock = 1'800'000'000;
    FinishedRun run;
    run.bank = std::move(bank);
    run.started = QDateTime::fromSecsSinceEpoch(clock += 60);
    run.questions = std::move(questions);
    QVERIFY(LearningRecord::save(run).recorded);
}

QuestionPick notebookPractice()
{
    QString movedAside;
    return Notebook::practice(LearningRecord::summary(BankIdentity::of(BankFile::path()).hash, movedAside).notebook);
}

}

// The notebook's questions of the open bank, from both question tables, as the exercise window asks them.
class TestNotebookPaper : public QObject
{
    Q_OBJECT

private slots:
    void theNotebooksQuestionsOfThisBank_data()
    {
        addBankFormatRows();
    }

    void theNotebooksQuestionsOfThisBank()
    {
        QFETCH(BankFormat, format);
        TestBank bank;
        const int wrongKind = bank.nextId();
        bank.addTestChoice(1, QStringLiteral("记成了编程题"));
        const int exercise = bank.nextId();
        bank.addExercise(QStringLiteral("01"), QStringLiteral("02"),
                         {{"title", "单元选择"}, {"ch_1", "甲"}, {"ch_4", "丁"}, {"answer", " d "}, {"explain", "解析"}});
        const int firstTest = bank.nextId();
        for (int i = 1; i <= 11; ++i)
            bank.addTest(QStringLiteral("1"), 2, {{"title", QStringLiteral("测试选择%1").arg(i)}, {"ch1", "子"}, {"ch_answer", "A"}});
        const int program = bank.nextId();
        bank.addTest(QStringLiteral("4"), 3, {{"title", "编程"}, {"content", "int main(void) {}"}, {"data_file", "1"},
                                             {"data_file1", "3 4"}});
        const int correction = bank.nextId();
        bank.addExercise(QStringLiteral("03"), QStringLiteral("05"), {{"title", "改错"}, {"content", "int mian;"}});
        bank.addFaults(QStringLiteral("c_excer"), correction, 2);
        AppFixture app(bank, format);

        // The oldest entries point at nothing the bank holds as such, and still take their places.
        save({missed("c_test", 999), missed("c_bogus", firstTest), missed("c_test", wrongKind, QuestionKind::Pro)});
        save({missed("c_test", firstTest)}, {"old.mdb", "ffff"});
        QList<AnsweredQuestion> missedNow = {missed("c_excer", exercise), missed("c_test", program, QuestionKind::Pro),
                                             missed("c_excer", correction, QuestionKind::Err)};
        for (int i = 0; i < 11; ++i)
            missedNow << missed("c_test", firstTest + i);
        save(missedNow);

        const std::shared_ptr<ExerciseRun> run =
            ExerciseRun::startPractice(*OpenBank::conn, notebookPractice(), ExerciseRun::readyFolder());
        const Paper &paper = run->ExercisePaper;
        QVERIFY(run->fromNotebook);
        QCOMPARE(run->chapterTitle, QStringLiteral("错题本中的10题"));
        QCOMPARE(paper.ch.count, 8); // ten asked, two of them gone; the newest three wait
        QCOMPARE(paper.ch(1).bankTable, QStringLiteral("c_excer"));
        QCOMPARE(paper.ch(1).bankId, exercise);
        QCOMPARE(paper.ch(1).option(4), QStringLiteral("[D] 丁"));
        QCOMPARE(paper.ch(1).answer, QStringLiteral("D"));
        QCOMPARE(paper.ch(2).bankTable, QStringLiteral("c_test"));
        QCOMPARE(paper.ch(2).option(1), QStringLiteral("[A] 子"));
        QCOMPARE(paper.ch(8).title, QStringLiteral("测试选择7"));
        QCOMPARE(paper.blank.count, 0);
        QCOMPARE(paper.err.count, 1);
        QCOMPARE(paper.err(1).bankTable, QStringLiteral("c_excer"));
        QCOMPARE(paper.err(1).faults, 2);
        QCOMPARE(paper.pro.count, 1);
        QCOMPARE(paper.pro(1).bankId, program);
        QCOMPARE(filesIn(run->exer_path), (QStringList{"data_11.dat", "err_1.c", "pro_1.c"}));
        QCOMPARE(run->exer_path, WorkFolders::exercisePath());
        QVERIFY(run->notice.isEmpty());
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
