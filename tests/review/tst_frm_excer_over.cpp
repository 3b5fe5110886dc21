#include "ReviewHelpers.h"

#include "answer/Frm_exer.h"
#include "app/Frm_login.h"
#include "controls/Forms.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "review/Frm_excer_over.h"
#include "state/Runs.h"
#include "study/Frm_study.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QGroupBox>
#include <QListWidget>
#include <QtTest>


class TestFrmExcerOver : public QObject
{
    Q_OBJECT

    static void clickSquare(QWidget *form, int index) { QTest::mouseClick(square(form, index), Qt::LeftButton); }

    TestBank m_bank;
    std::optional<AppFixture> m_app;

private slots:
    void init() { m_app.emplace(m_bank); }
    void cleanup() { m_app.reset(); }

    void headingNamesTheChapterExactly_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading");
        QTest::newRow("chapter") << "指针" << "单元练习：【指针】";
        QTest::newRow("with a quote") << "C's 数组" << "单元练习：【C's 数组】";
        QTest::newRow("none") << "" << "单元练习：【】";
    }

    void headingNamesTheChapterExactly()
    {
        QFETCH(QString, title);
        QFETCH(QString, heading);
        const auto run = std::make_shared<ExerciseRun>();
        run->chapterTitle = title;
        auto *form = Forms<Frm_excer_over>::show(run);
        QCOMPARE(form->windowTitle(), QStringLiteral("智桥-C语言单元练习[要点解析]"));
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Lab_title"))->text(), heading);
    }

    void loadsLikeTheTestReviewOnItsOwnControls()
    {
        const auto run = std::make_shared<ExerciseRun>();
        fillChoices(run->ExercisePaper, 10);
        run->ExercisePaper.ch(1).chosen = 1;
        fillTasks(run->ExercisePaper.blank, 5, QStringLiteral("填空"));
        fillTasks(run->ExercisePaper.err, 5, QStringLiteral("改错"));
        fillTasks(run->ExercisePaper.pro, 5, QStringLiteral("编程"));
        auto *form = Forms<Frm_excer_over>::show(run);
        QCOMPARE(box(form, "Txt_title")->text(), expectedQuestion(QStringLiteral("【第1题】："), 1));
        QCOMPARE(box(form, "rtxt_explain")->text(), QStringLiteral("你选择的答案为【A】\r\n 正确答案：【B】;\r\n解析1\r\n"));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(background(square(form, i)), i == 0 ? kRed : kDarkBlue);
        QCOMPARE(buttons(form, "Command1", "Command3"), std::make_pair(true, false));
        QCOMPARE(box(form, "rTxt_blank_title")->text(), QStringLiteral("【1】填空题目1"));
        QCOMPARE(box(form, "rTxt_err_title")->text(), QStringLiteral("【1】改错题目1"));
        QCOMPARE(box(form, "rTxt_pro_title")->text(), QStringLiteral("【1】编程题目1"));
        QCOMPARE(box(form, "rTxt_pro_explain")->text(), QStringLiteral("编程解析1"));

        // No reference answer anywhere on the programming tab.
        auto *tabs = form->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->widget(3)->findChildren<TextBox *>().size(), 2);
        for (TextBox *b : tabs->widget(3)->findChildren<TextBox *>())
            QVERIFY(!b->text().contains(QStringLiteral("答案")));
        click(form, "Cmd_pro_next");
        for (TextBox *b : tabs->widget(3)->findChildren<TextBox *>())
            QVERIFY(!b->text().contains(QStringLiteral("答案")));
    }

    void fiveTasksFitOnEveryProgramTab()
    {
        const auto run = std::make_shared<ExerciseRun>();
        fillTasks(run->ExercisePaper.blank, 5, QStringLiteral("填空"));
        fillTasks(run->ExercisePaper.err, 5, QStringLiteral("改错"));
        fillTasks(run->ExercisePaper.pro, 5, QStringLiteral("编程"));
        auto *form = Forms<Frm_excer_over>::show(run);

        for (int i = 0; i < 4; ++i)
            click(form, "cmd_blank_next");
        QCOMPARE(box(form, "rTxt_blank_title")->text(), QStringLiteral("【5】填空题目5"));
        QCOMPARE(buttons(form, "cmd_blank_next", "cmd_blank_pre"), std::make_pair(true, true));
        click(form, "cmd_blank_next");
        QCOMPARE(box(form, "rTxt_blank_title")->text(), QStringLiteral("【5】填空题目5"));
        QCOMPARE(buttons(form, "cmd_blank_next", "cmd_blank_pre"), std::make_pair(false, true));

        for (int i = 0; i < 4; ++i)
            click(form, "Cmd_err_next");
        QCOMPARE(box(form, "rTxt_err_title")->text(), QStringLiteral("【5】 改错题目5"));
        QCOMPARE(box(form, "rTxt_err_explain")->text(), QStringLiteral("改错解析5"));

        for (int i = 0; i < 3; ++i)
            click(form, "Cmd_pro_next");
        QCOMPARE(buttons(form, "Cmd_pro_next", "Cmd_pro_pre"), std::make_pair(true, true));
        click(form, "Cmd_pro_next");
        QCOMPARE(box(form, "rTxt_pro_title")->text(), QStringLiteral("【5】编程题目5"));
        QCOMPARE(buttons(form, "Cmd_pro_next", "Cmd_pro_pre"), std::make_pair(false, true));
    }

    void squareClickShowsThatQuestionWithoutMovingTheButtons()
    {
        const auto run = std::make_shared<ExerciseRun>();
        fillChoices(run->ExercisePaper, 10);
        run->ExercisePaper.ch(4).chosen = 2;
        auto *form = Forms<Frm_excer_over>::show(run);
        click(form, "Command1"); // question 2 by the buttons

        clickSquare(form, 3);
        QCOMPARE(box(form, "Txt_title")->text(), expectedQuestion(QStringLiteral("(4)"), 4));
        QCOMPARE(box(form, "rtxt_explain")->text(), QStringLiteral("你选择的答案为【B】\r\n 正确答案：【B】;\r\n解析4\r\n"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(background(square(form, i)), i == 3 ? kRed : kBlue);
            QCOMPARE(bordered(square(form, i)), i == 3);
        }
        QCOMPARE(buttons(form, "Command1", "Command3"), std::make_pair(true, true));

        // The buttons go on from question 2, where they left off, not from the square.
        click(form, "Command1");
        QCOMPARE(box(form, "Txt_title")->text(), expectedQuestion(QStringLiteral("【第3题】："), 3));

        clickSquare(form, 9);
        QCOMPARE(buttons(form, "Command1", "Command3"), std::make_pair(true, true));
        click(form, "Command3");
        QCOMPARE(box(form, "Txt_title")->text(), expectedQuestion(QStringLiteral("【第2题】："), 2));
    }

    void squareOfAnEmptyQuestionEmptiesBothBoxes()
    {
        const auto run = std::make_shared<ExerciseRun>();
        fillChoices(run->ExercisePaper, 5);
        auto *form = Forms<Frm_excer_over>::show(run);
        clickSquare(form, 7);
        QCOMPARE(box(form, "Txt_title")->text(), QString());
        QCOMPARE(box(form, "rtxt_explain")->text(), QString());
        QCOMPARE(background(square(form, 7)), kRed);
        QCOMPARE(background(square(form, 0)), kBlue);
    }

    // A unit exercise from the study window up to its review; every way of closing the review
    // brings the study window back as the student left it.
    void closingReturnsToTheStudyWindowAsLeft_data() { addCloseRows("Command2"); }

    void closingReturnsToTheStudyWindowAsLeft()
    {
        QFETCH(bool, byCloseBox);
        m_app.reset(); // the run goes through a bank of its own
        TestBank bank;
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), QStringLiteral("概述的内容"));
        bank.addChapter(QStringLiteral("02"), QStringLiteral("数据类型"), QStringLiteral("{\\rtf1\\ansi\\ansicpg936 \\'d5\\'fb\\'d0\\'cd int}"));
        for (int i = 1; i <= 3; ++i)
            bank.addExerciseChoice(QStringLiteral("02"), QStringLiteral("第%1题").arg(i));
        AppFixture app(bank);
        auto *login = Forms<Frm_login>::show();
        login->hide();
        auto *study = Forms<Frm_study>::show();
        auto *list = study->findChild<QListWidget *>(QStringLiteral("List_item"));
        list->setCurrentRow(1);
        QTest::mouseClick(study->findChild<QPushButton *>(QStringLiteral("Cmd_excer")), Qt::LeftButton);
        QVERIFY(!study->isVisible());
        QVERIFY(Forms<Frm_exer>::loaded());

        // The exercise window ends and opens the review.
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(Forms<Frm_exer>::loaded()->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        MessageBox::takeLastAsked();
        auto *form = Forms<Frm_excer_over>::loaded();
        QVERIFY(form);
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Lab_title"))->text(), QStringLiteral("单元练习：【数据类型】"));
        if (byCloseBox)
            QVERIFY(form->close());
        else
            click(form, "Command2");
        QCOMPARE(MessageBox::askedCount(), 0);
        QVERIFY(!Forms<Frm_excer_over>::loaded());
        QVERIFY(!form->isVisible());

        QCOMPARE(Forms<Frm_study>::loaded(), study);
        QVERIFY(study->isVisible());
        QVERIFY(!login->isVisible());
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(study->findChild<QGroupBox *>(QStringLiteral("Frame_content"))->title(),
                 QStringLiteral("单元内容提要--数据类型"));
        QCOMPARE(study->findChild<RichTextBox *>(QStringLiteral("Rtxt_content"))->toPlainText(), QStringLiteral("整型 int"));
        QVERIFY(study->findChild<QPushButton *>(QStringLiteral("Cmd_excer"))->isEnabled());
    }
};

QTEST_MAIN(TestFrmExcerOver)
#include "tst_frm_excer_over.moc"
