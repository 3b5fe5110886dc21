// A task file saved while an answering window is open is checked in the background with the real
// gcc: the headline shows on the task's tab, the verdict is the task's last, quick saves make one
// check, and an editor that saves by replacing the file is followed.

#include "answer/CheckWindows.h"
#include "answer/RecheckOnSave.h"
#include "review/Frm_excer_over.h"
#include "platform/MessageBox.h"
#include "judge/VerdictText.h"
#include "support/AppFixture.h"

#include <QLabel>
#include <cstdio>

using namespace AnswerWindows;
using namespace CheckWindows;
using namespace std::chrono_literals;

namespace {

constexpr auto kSettle = 150ms;

const QByteArray kBroken = "#include <stdio.h>\nint main(void)\n{\n    return 0\n}\n";

// Saves as editors do that write a new file and rename it over the old one.
void saveByReplacing(const QString &folder, const QString &name, const QByteArray &bytes)
{
    save(folder, name + QStringLiteral(".tmp"), bytes);
    QCOMPARE(std::rename(qPrintable(QDir(folder).filePath(name + QStringLiteral(".tmp"))),
                         qPrintable(QDir(folder).filePath(name))), 0);
}

// Long enough for a second check to have started, had one been due.
void waitPastSettling()
{
    QTest::qWait(int(kSettle.count()) * 4);
}

}

class TestRecheckOnSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { RecheckOnSave::setSettleTime(kSettle); }

    // Two quick saves make one check, of the later file; saved once more as it is, the file has
    // nothing new to check.
    void testWindowShowsThePassOfASavedFile()
    {
        TestBank bank;
        addSumTest(bank);
        AppFixture app(bank);
        QWidget *w = startTest();
        QCOMPARE(text(w, "Lab_pro_recheck"), QString());

        save(shownTest().test_path, QStringLiteral("pro_1.c"), kBroken);
        save(shownTest().test_path, QStringLiteral("pro_1.c"), kRightSum);
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "Lab_pro_recheck"), QStringLiteral("pro_1.c：全部通过 (3/3)"), kCheckMs);
        const Task &checked = shownTest().TestPaper.pro(1);
        QVERIFY(!checked.changedSinceCheck(shownTest().test_path));
        QVERIFY(!resultWindow(w)); // the full result is F5's

        save(shownTest().test_path, QStringLiteral("pro_1.c"), kRightSum);
        waitPastSettling();
        QCOMPARE(checked.checks, 1);
        unloadAllForms();
    }

    // The broken file's verdict is the task's last: the review scores it without checking again.
    void exerciseWindowShowsTheCompileErrorAndTheReviewUsesIt()
    {
        TestBank bank;
        const int task = bank.nextId();
        bank.addExercise(QStringLiteral("04"), QStringLiteral("03"), {{"title", "求和"}, {"content", "/* 求和 */"}});
        addSumCases(bank, QStringLiteral("c_excer"), task);
        AppFixture app(bank);
        QWidget *w = startExercise();

        saveByReplacing(shownExercise().exer_path, QStringLiteral("pro_1.c"), kBroken);
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "Lab_pro_recheck"), QStringLiteral("pro_1.c：编译错误"), kCheckMs);
        // Replaced again: still watched.
        saveByReplacing(shownExercise().exer_path, QStringLiteral("pro_1.c"), kRightSum);
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "Lab_pro_recheck"), QStringLiteral("pro_1.c：全部通过 (3/3)"), kCheckMs);
        QCOMPARE(shownExercise().ExercisePaper.pro(1).checks, 2);

        // F5 after it: its attempt history counts the background checks.
        control<QTabWidget>(w, "SSTab1")->setCurrentIndex(3);
        saveByReplacing(shownExercise().exer_path, QStringLiteral("pro_1.c"), kBroken);
        click(w, QStringLiteral("Cmd_pro_check"));
        QTRY_VERIFY_WITH_TIMEOUT(resultWindow(w), kCheckMs);
        QCOMPARE(headline(w), QStringLiteral("编译错误"));
        QCOMPARE(text(resultWindow(w), "Lab_attempt"), QStringLiteral("第 3 次检查（上一次：全部通过 (3/3)）"));
        waitPastSettling(); // the save F5 judged is not judged twice
        QCOMPARE(shownExercise().ExercisePaper.pro(1).checks, 3);

        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, QStringLiteral("Command1"));
        QWidget *review = Forms<Frm_excer_over>::loaded();
        QVERIFY(review);
        QCOMPARE(text(review, "Lab_pro_check"), QStringLiteral("检查程序：编译错误"));
        QVERIFY2(!text(review, "Lab_score").contains(QStringLiteral("正在检查")), qPrintable(text(review, "Lab_score")));
        unloadAllForms();
    }

    // A save while a check of the file runs supersedes it: the verdict is the newer file's.
    void aNewerSaveSupersedesARunningCheck()
    {
        TestBank bank;
        addSumTest(bank);
        AppFixture app(bank);
        QWidget *w = startTest();

        save(shownTest().test_path, QStringLiteral("pro_1.c"), kRightSum);
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "Lab_pro_recheck"), QStringLiteral("pro_1.c：正在检查……"), kCheckMs);
        save(shownTest().test_path, QStringLiteral("pro_1.c"), kBroken);
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "Lab_pro_recheck"), QStringLiteral("pro_1.c：编译错误"), kCheckMs);
        waitPastSettling();
        QCOMPARE(VerdictText::headline(*shownTest().TestPaper.pro(1).verdict), QStringLiteral("编译错误"));
        unloadAllForms();
    }
};

QTEST_MAIN(TestRecheckOnSave)
#include "tst_recheck_on_save.moc"
