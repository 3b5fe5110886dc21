#include "answer/AnswerWindows.h"
#include "answer/Frm_exer.h"
#include "app/Frm_login.h"
#include "controls/Forms.h"
#include "data/BankFile.h"
#include "platform/MessageBox.h"
#include "record/LearningRecord.h"
#include "record/RecordLocation.h"
#include "review/Frm_excer_over.h"
#include "review/Frm_record.h"
#include "review/RunRecording.h"
#include "state/Runs.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

using AnswerWindows::control;

namespace {

FinishedRun finished(RunKind kind, const QString &subject, int score, QList<AnsweredQuestion> questions = {},
                     const BankIdentity &bank = BankIdentity::of(BankFile::path()))
{
    static qint64 clock = 1'800'000'000;
    FinishedRun run;
    run.kind = kind;
    run.subject = subject;
    run.title = kind == RunKind::Test ? QStringLiteral("第%1套练习题").arg(subject) : QStringLiteral("概述");
    run.bank = bank;
    run.started = QDateTime::fromSecsSinceEpoch(clock += 3600);
    run.seconds = 723;
    run.score = score;
    run.questions = std::move(questions);
    return run;
}

AnsweredQuestion missed(int id, QuestionKind kind = QuestionKind::Choice)
{
    AnsweredQuestion question;
    question.table = QStringLiteral("c_test");
    question.id = id;
    question.kind = kind;
    question.summary = QStringLiteral("第 %1 题").arg(id);
    return question;
}

QStringList row(QTableWidget *table, int r)
{
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c)
        cells << table->item(r, c)->text();
    return cells;
}

}

class TestFrmRecord : public QObject
{
    Q_OBJECT

    static Frm_login *openLogin()
    {
        auto *login = Forms<Frm_login>::show();
        return QTest::qWaitForWindowExposed(login) ? login : nullptr;
    }

private slots:
    void opensFromTheStartScreenAndLeadsBack_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("a click on 学习记录") << false;
        QTest::newRow("the key 5") << true;
    }

    void opensFromTheStartScreenAndLeadsBack()
    {
        QFETCH(bool, byKey);
        TestBank bank;
        AppFixture app(bank);
        Frm_login *login = openLogin();
        QVERIFY(login);
        auto *link = control<QLabel>(login, "Lab_record");
        QCOMPARE(link->text(), QStringLiteral("学习记录"));
        QVERIFY(login->rect().contains(link->geometry()));
        for (const char *name : {"Pic1", "Pic2", "Pic3", "Pic4"})
            QVERIFY(!control<QLabel>(login, name)->geometry().intersects(link->geometry()));
        if (byKey) {
            QTest::keyClick(login, Qt::Key_5);
        } else {
            QTest::mouseClick(link, Qt::LeftButton);
        }
        QTRY_VERIFY(Forms<Frm_record>::loaded() && Forms<Frm_record>::loaded()->isVisible());
        QVERIFY(!login->isVisible());
        Frm_record *record = Forms<Frm_record>::loaded();
        QCOMPARE(record->windowTitle(), QStringLiteral("学习记录"));
        QTest::keyClick(record, Qt::Key_Escape);
        QTRY_VERIFY(!Forms<Frm_record>::loaded());
        QVERIFY(login->isVisible());
    }

    void showsEveryRunTheBestsTheChaptersAndTheNotebook()
    {
        TestBank bank;
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"));
        bank.addChapter(QStringLiteral("02"), QStringLiteral("数据类型"));
        AppFixture app(bank);
        for (const FinishedRun &run : {finished(RunKind::Test, "1", 40, {missed(3), missed(7, QuestionKind::Pro)}),
                                       finished(RunKind::Test, "1", 92), finished(RunKind::Test, "3", 66),
                                       finished(RunKind::Exercise, "01", 75),
                                       finished(RunKind::Test, "2", 10, {missed(3)}, {"old.mdb", "ffff"})})
            QVERIFY(LearningRecord::save(run).recorded);
        LearningRecord::markStudied(QStringLiteral("02"));

        auto *record = Forms<Frm_record>::show();
        auto *runs = control<QTableView>(record, "List_runs");
        QCOMPARE(runs->model()->rowCount(), 5);
        QCOMPARE(runs->model()->index(0, 2).data().toString(), QStringLiteral("第2套练习题")); // the newest first
        QCOMPARE(runs->model()->index(4, 3).data().toInt(), 40);
        QCOMPARE(runs->model()->index(4, 4).data().toString(), QStringLiteral("12:03"));
        QCOMPARE(runs->model()->index(1, 1).data().toString(), QStringLiteral("单元练习"));

        auto *sets = control<QTableWidget>(record, "List_sets");
        QCOMPARE(sets->rowCount(), 3);
        QCOMPARE(row(sets, 0), (QStringList{"第1套练习题", "2", "92"}));
        auto *chapters = control<QTableWidget>(record, "List_chapters");
        QCOMPARE(chapters->rowCount(), 2);
        QCOMPARE(row(chapters, 0), (QStringList{"01 概述", "否", "1", "75"}));
        QCOMPARE(row(chapters, 1), (QStringList{"02 数据类型", "是", "0", "—"}));

        auto *notebook = control<QTableWidget>(record, "List_notebook");
        QCOMPARE(notebook->rowCount(), 3);
        QCOMPARE(row(notebook, 0), (QStringList{"选择题", "第 3 题", QFileInfo(bank.path()).fileName() + " c_test:3", "0/2"}));
        QCOMPARE(row(notebook, 1).first(), QStringLiteral("编程题"));
        QCOMPARE(row(notebook, 2)[2], QStringLiteral("old.mdb c_test:3"));
        QCOMPARE(notebook->item(2, 1)->toolTip(), QStringLiteral("出自另一个题库（old.mdb），练习时不出这道题"));
        QVERIFY(notebook->item(0, 1)->toolTip().isEmpty());
        QCOMPARE(control<QLabel>(record, "Lab_notebook")->text(),
                 QStringLiteral("错题本共 3 题；一道题在以后的两次练习中都答对，就离开错题本。“错题练习”出其中本题库的 2 题。"));
        QCOMPARE(control<QTabWidget>(record, "SSTab1")->tabText(2), QStringLiteral("成绩曲线"));
    }

    void thePracticeButtonSaysWhyItIsOff_data()
    {
        QTest::addColumn<bool>("otherBank");
        QTest::addColumn<bool>("thisBank");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("an empty notebook") << false << false << "错题本是空的，没有要练习的题目";
        QTest::newRow("only another bank's questions")
            << true << false << "错题本中的题目都出自别的题库，本题库中没有要练习的题目";
        QTest::newRow("this bank's questions") << true << true << "在单元练习窗口中练习错题本中本题库的 2 题";
    }

    void thePracticeButtonSaysWhyItIsOff()
    {
        QFETCH(bool, otherBank);
        QFETCH(bool, thisBank);
        QFETCH(QString, toolTip);
        TestBank bank;
        AppFixture app(bank);
        if (otherBank)
            QVERIFY(LearningRecord::save(finished(RunKind::Test, "2", 10, {missed(3)}, {"old.mdb", "ffff"})).recorded);
        if (thisBank)
            QVERIFY(LearningRecord::save(finished(RunKind::Test, "1", 40, {missed(3), missed(7, QuestionKind::Pro)})).recorded);
        auto *practice = control<QPushButton>(Forms<Frm_record>::show(), "Cmd_practice");
        QCOMPARE(practice->isEnabled(), thisBank);
        QCOMPARE(practice->toolTip(), toolTip);
    }

    // From the record window through the exercise window and its review back to the start screen;
    // the practice goes into the record as any run does.
    void aPracticeRunThroughTheWindows()
    {
        TestBank bank;
        const int choice = bank.nextId();
        bank.addTestChoice(1, QStringLiteral("整型占几个字节？"), QStringLiteral("B"));
        const int task = bank.nextId();
        bank.addExercise(QStringLiteral("02"), QStringLiteral("03"), {{"title", "补全程序"}, {"content", "int main(void) {}"}});
        AppFixture app(bank);
        AnsweredQuestion missedTask = missed(task, QuestionKind::Blank);
        missedTask.table = QStringLiteral("c_excer");
        FinishedRun missedBoth = finished(RunKind::Test, "1", 0, {missed(choice), missedTask});
        missedBoth.started = QDateTime::currentDateTime().addDays(-1); // the practices are the newest runs
        QVERIFY(LearningRecord::save(missedBoth).recorded);
        Frm_login *login = openLogin();
        QVERIFY(login);

        QTest::keyClick(login, Qt::Key_5);
        QTest::mouseClick(control<QPushButton>(Forms<Frm_record>::loaded(), "Cmd_practice"), Qt::LeftButton);
        QTRY_VERIFY(!Forms<Frm_record>::loaded());
        Frm_exer *exer = Forms<Frm_exer>::loaded();
        QVERIFY(exer && exer->isVisible());
        QCOMPARE(exer->windowTitle(), QStringLiteral("智桥-C语言错题练习系统"));
        QCOMPARE(QDir(exer->run().exer_path).entryList(QDir::Files), QStringList{"blank_1.c"});
        control<QRadioButton>(exer, "Option1(1)")->click();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(control<QPushButton>(exer, "Command1"), Qt::LeftButton);
        QCOMPARE(lastAsked(), QStringLiteral("提示信息|是否结束错题练习？|Question|Yes+No"));

        auto *review = Forms<Frm_excer_over>::loaded();
        QVERIFY(review && review->isVisible());
        QCOMPARE(control<QLabel>(review, "Lab_title")->text(), QStringLiteral("错题练习：【错题本中的2题】"));
        QTest::mouseClick(control<QPushButton>(review, "Command2"), Qt::LeftButton);
        QTRY_VERIFY(!Forms<Frm_excer_over>::loaded());
        QVERIFY(login->isVisible());
        QCOMPARE(MessageBox::askedCount(), 0); // recorded without a word

        QTest::keyClick(login, Qt::Key_5);
        Frm_record *record = Forms<Frm_record>::loaded();
        auto *runs = control<QTableView>(record, "List_runs");
        QCOMPARE(runs->model()->index(0, 1).data().toString(), QStringLiteral("错题练习"));
        QCOMPARE(runs->model()->index(0, 2).data().toString(), QStringLiteral("错题本中的2题"));
        auto *notebook = control<QTableWidget>(record, "List_notebook");
        QCOMPARE(notebook->rowCount(), 2);
        QCOMPARE(row(notebook, 0)[0], QStringLiteral("填空题")); // missed again: 0/2
        QCOMPARE(row(notebook, 0)[3], QStringLiteral("0/2"));
        QCOMPARE(row(notebook, 1)[3], QStringLiteral("1/2"));
        QTest::keyClick(record, Qt::Key_Escape);
        QTRY_VERIFY(!Forms<Frm_record>::loaded());
    }

    // The window still opens, and says why it shows nothing.
    void aRecordThatCannotBeReadIsSaid()
    {
        TestBank bank;
        AppFixture app(bank);
        QVERIFY(QDir().mkpath(RecordLocation::file()));
        auto *record = Forms<Frm_record>::show();
        QCOMPARE(control<QLabel>(record, "Lab_file")->text(),
                 QStringLiteral("学习记录无法读取：学习记录文件的位置上是一个文件夹（%1）").arg(RecordLocation::file()));
        QCOMPARE(control<QTableView>(record, "List_runs")->model()->rowCount(), 0);
        QVERIFY(!control<QPushButton>(record, "Cmd_practice")->isEnabled());
    }

    // A run the record cannot take is told once, over the review.
    void aRunNotRecordedIsTold()
    {
        TestBank bank;
        AppFixture app(bank);
        QVERIFY(QDir().mkpath(RecordLocation::file()));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(!RunRecording::record(nullptr, finished(RunKind::Exercise, "01", 50)).recorded);
        QCOMPARE(MessageBox::askedCount(), 1);
        QCOMPARE(lastAsked(), QStringLiteral("信息提示|本次单元练习未能记入学习记录：学习记录文件的位置上是一个文件夹。\n\n学习记录文件：%1|Warning|Ok")
                                  .arg(RecordLocation::file()));
    }
};

QTEST_MAIN(TestFrmRecord)
#include "tst_frm_record.moc"
