#include "StudyHelpers.h"

#include "answer/Frm_exer.h"
#include "app/Frm_login.h"
#include "controls/Forms.h"
#include "platform/MessageBox.h"
#include "answer/AnswerWindows.h"
#include "record/LearningRecord.h"
#include "study/Frm_study.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"
#include "workfiles/WorkFolders.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QPointer>
#include <QtTest>

using namespace AnswerWindows;

class TestFrmStudy : public QObject
{
    Q_OBJECT

    static void addChapters(TestBank &bank)
    {
        bank.addChapter(QStringLiteral("03"), QStringLiteral("指针"), kRtfPointers);
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), kRtfIntegers);
        bank.addChapter(QStringLiteral("02"), QStringLiteral("数据类型"), QString());
    }
    static QString caption(QWidget *form) { return form->findChild<QGroupBox *>(QStringLiteral("Frame_content"))->title(); }

private slots:
    void listsTheChaptersAndWaitsForAChoice()
    {
        TestBank bank;
        addChapters(bank);
        AppFixture app(bank);
        auto *study = Forms<Frm_study>::show();
        QCOMPARE(study->windowTitle(), QStringLiteral("单元学习指导"));
        QCOMPARE(entries(listOf(study, "List_item")),
                 QStringList({QStringLiteral("01 概述"), QStringLiteral("02 数据类型"), QStringLiteral("03 指针")}));
        QCOMPARE(caption(study), QStringLiteral("单元学习指导"));
        QVERIFY(!buttonOf(study, "Cmd_excer")->isEnabled());
        listOf(study, "List_item")->setFocus(); // focus alone picks nothing
        QVERIFY(!buttonOf(study, "Cmd_excer")->isEnabled());
        QCOMPARE(shownText(study), QString());
    }

    // A chapter whose exercise was done is marked; every entry keeps its text. Reading a chapter
    // is noted in the learning record.
    void marksTheChaptersExercisedAndNotesThoseRead()
    {
        TestBank bank;
        addChapters(bank);
        AppFixture app(bank);
        FinishedRun exercise;
        exercise.kind = RunKind::Exercise;
        exercise.subject = QStringLiteral("02");
        const RecordStatus status = LearningRecord::save(exercise); // a run with nothing but its chapter
        QVERIFY2(status.recorded, qPrintable(status.reason));
        auto *study = Forms<Frm_study>::show();
        QListWidget *list = listOf(study, "List_item");
        QCOMPARE(list->item(1)->toolTip(), QStringLiteral("本单元的练习已做过"));
        for (int row : {0, 2})
            QVERIFY(list->item(row)->toolTip().isEmpty());
        QCOMPARE(list->item(0)->icon().pixmap(16).size(), list->item(1)->icon().pixmap(16).size()); // titles in line

        list->setCurrentRow(2);
        QString movedAside;
        QVERIFY(LearningRecord::summary(QString(), movedAside).chapters[QStringLiteral("03")].studied);
    }

    void pickingAChapterShowsItsTextAndRecordsIt()
    {
        TestBank bank;
        addChapters(bank);
        bank.addChapter(QStringLiteral("04"), QStringLiteral("C's 数组"), kRtfPointers);
        AppFixture app(bank);
        auto *study = Forms<Frm_study>::show();
        auto *list = listOf(study, "List_item");

        pick(list, 0);
        QCOMPARE(caption(study), QStringLiteral("单元内容提要--概述"));
        QCOMPARE(shownText(study), QStringLiteral("整型 int"));
        QVERIFY(buttonOf(study, "Cmd_excer")->isEnabled());

        // A chapter without content empties the box rather than keeping the last text.
        pick(list, 1);
        QCOMPARE(caption(study), QStringLiteral("单元内容提要--数据类型"));
        QCOMPARE(shownText(study), QString());

        pick(list, 2);
        QCOMPARE(shownText(study), QStringLiteral("指针 p"));
        pick(list, 3);
        QCOMPARE(shownText(study), QStringLiteral("指针 p"));
        QCOMPARE(MessageBox::askedCount(), 0);
        // The exercise started is the last chapter picked's.
        QTest::mouseClick(buttonOf(study, "Cmd_excer"), Qt::LeftButton);
        QCOMPARE(shownExercise().chapterId, QStringLiteral("04"));
        QCOMPARE(shownExercise().chapterTitle, QStringLiteral("C's 数组"));
    }

    void aBankFailureIsReportedAndTheWindowStays()
    {
        TestBank bank;
        addChapters(bank);
        AppFixture app(bank);
        Forms<Frm_login>::show()->hide();
        auto *study = Forms<Frm_study>::show();
        pick(listOf(study, "List_item"), 0);
        bank.exec(QStringLiteral("drop table chapter"));

        MessageBox::setNextAnswer(QMessageBox::Ok);
        pick(listOf(study, "List_item"), 2);
        const auto asked = MessageBox::takeLastAsked();
        QVERIFY(asked);
        QVERIFY(asked->text.contains(QStringLiteral("题库")));
        QCOMPARE(asked->title, QStringLiteral("信息提示"));
        QCOMPARE(asked->icon, QMessageBox::Warning);
        QVERIFY(study->isVisible());
        QCOMPARE(shownText(study), QString());
        QVERIFY(buttonOf(study, "Cmd_excer")->isEnabled());

        // Opening the window on the broken bank reports it too and leaves an empty list.
        study->close();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        study = Forms<Frm_study>::show();
        QVERIFY(MessageBox::takeLastAsked());
        QCOMPARE(listOf(study, "List_item")->count(), 0);
        QVERIFY(study->isVisible());
    }

    void theExerciseNeedsAChosenChapter()
    {
        TestBank bank;
        bank.addChapter(QStringLiteral("  "), QStringLiteral("无编号"));
        AppFixture app(bank);
        auto *study = Forms<Frm_study>::show();
        pick(listOf(study, "List_item"), 0);
        QVERIFY(buttonOf(study, "Cmd_excer")->isEnabled());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(buttonOf(study, "Cmd_excer"), Qt::LeftButton);
        QCOMPARE(lastAsked(), QStringLiteral("|请选择练习内容！|NoIcon|Ok"));
        QVERIFY(study->isVisible());
        QVERIFY(!Forms<Frm_exer>::loaded());
    }

    // What the exercise's load does to the folder is the paper's to test; the window hands over.
    void startingTheExerciseHandsOver()
    {
        TestBank bank;
        addChapters(bank);
        bank.addExerciseChoice(QStringLiteral("01"), QStringLiteral("第1题"));
        AppFixture app(bank);
        auto *study = Forms<Frm_study>::show();
        pick(listOf(study, "List_item"), 0);
        QTest::mouseClick(buttonOf(study, "Cmd_excer"), Qt::LeftButton);
        QCOMPARE(shownExercise().exer_path, WorkFolders::exercisePath());
        QVERIFY(!study->isVisible());
        QCOMPARE(Forms<Frm_study>::loaded(), study); // hidden, not unloaded
        QVERIFY(Forms<Frm_exer>::loaded() && Forms<Frm_exer>::loaded()->isVisible());
    }

    // An exercise folder linked outside the home is refused by name, and nothing there is touched.
    void anExerciseFolderLinkedOutsideIsRefused()
    {
        TestBank bank;
        addChapters(bank);
        AppFixture app(bank);
        QTemporaryDir outside;
        QVERIFY(writeFile(outside.filePath(QStringLiteral("keep.c")), "outside"));
        QVERIFY(QDir().mkpath(WorkFolders::join(app.workBase(), QStringLiteral("c_zhiqiao"))));
        QVERIFY(QFile::link(outside.path(), WorkFolders::exercisePath()));

        auto *study = Forms<Frm_study>::show();
        pick(listOf(study, "List_item"), 0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(buttonOf(study, "Cmd_excer"), Qt::LeftButton);

        const auto asked = MessageBox::takeLastAsked();
        QVERIFY(asked);
        QVERIFY2(asked->text.startsWith(QStringLiteral("练习文件夹无法清空，单元练习不能开始。\n\n文件夹 %1 不能使用：%1 是符号链接")
                                            .arg(WorkFolders::exercisePath())),
                 qPrintable(asked->text));
        QCOMPARE(asked->icon, QMessageBox::Warning);
        QVERIFY(study->isVisible());
        QVERIFY(!Forms<Frm_exer>::loaded());
        QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"keep.c"});
        QCOMPARE(fileBytes(outside.filePath(QStringLiteral("keep.c"))), QByteArray("outside"));
    }

    void theExitButtonAnswersWhileABigTextIsShown()
    {
        QString big = QStringLiteral("{\\rtf1\\ansi\\ansicpg936 ");
        for (int i = 0; big.size() < 3 * RichTextBox::kMaxTextBytes; ++i)
            big += QStringLiteral("\\'d5\\'fb\\'d0\\'cd %1\\par\r\n").arg(i); // 整型 i
        big += u'}';
        TestBank bank;
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), big);
        AppFixture app(bank);
        auto *login = Forms<Frm_login>::show();
        login->hide();
        QPointer<Frm_study> study = Forms<Frm_study>::show();
        auto *box = study->findChild<RichTextBox *>(QStringLiteral("Rtxt_content"));
        pick(listOf(study, "List_item"), 0);
        QVERIFY(box->isReading());
        QVERIFY(shownText(study).contains(QStringLiteral("整型 0\n整型 1\n")));

        // The student's click waits in the event queue, behind the rest of the text.
        QPushButton *exit = buttonOf(study, "cmd_exit");
        bool readingWhenPressed = false;
        connect(exit, &QPushButton::pressed, exit, [&] { readingWhenPressed = box->isReading(); });
        const QPointF at = exit->rect().center(), global = exit->mapToGlobal(at);
        QCoreApplication::postEvent(exit, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                          Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(exit, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                          Qt::NoButton, Qt::NoModifier));
        for (int turns = 0; Forms<Frm_study>::loaded() && turns < 100; ++turns)
            QCoreApplication::processEvents();
        QVERIFY(readingWhenPressed);
        QVERIFY(!Forms<Frm_study>::loaded());
        QVERIFY(login->isVisible());
        settle();
        QVERIFY(study.isNull()); // the box went with it, half read
        QCoreApplication::processEvents();
    }

    void closingReturnsToTheStartScreen_data() { addCloseRows("cmd_exit"); }

    void closingReturnsToTheStartScreen()
    {
        QFETCH(bool, byCloseBox);
        TestBank bank;
        addChapters(bank);
        AppFixture app(bank);
        auto *login = Forms<Frm_login>::show();
        login->hide();
        auto *study = Forms<Frm_study>::show();
        pick(listOf(study, "List_item"), 2);
        if (byCloseBox)
            QVERIFY(study->close());
        else
            QTest::mouseClick(buttonOf(study, "cmd_exit"), Qt::LeftButton);
        QVERIFY(!Forms<Frm_study>::loaded());
        QVERIFY(login->isVisible());
        QCOMPARE(MessageBox::askedCount(), 0);
    }
};

QTEST_MAIN(TestFrmStudy)
#include "tst_frm_study.moc"
