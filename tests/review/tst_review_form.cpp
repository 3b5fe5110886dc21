// The test review and the exercise review: what they share is checked on both, through each
// window's own controls; what only one of them does, on that one.

#include "ReviewHelpers.h"

#include "answer/Frm_exer.h"
#include "app/Frm_login.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "study/Frm_study.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QGroupBox>
#include <QListWidget>
#include <QtTest>

namespace {

// The names a review gives the boxes and buttons of its tabs.
struct Names
{
    const char *title, *explain, *next, *pre, *blank, *err, *pro, *proExplain;
};

const Names &namesOf(bool exercise)
{
    static const Names test{"Txt_ch_title", "Txt_ch_explain", "Cmd_ch_next", "Cmd_ch_pre",
                            "Txt_blank_title", "Txt_err_title", "Txt_pro_title", "Txt_pro_explain"};
    static const Names exer{"Txt_title", "rtxt_explain", "Command1", "Command3",
                            "rTxt_blank_title", "rTxt_err_title", "rTxt_pro_title", "rTxt_pro_explain"};
    return exercise ? exer : test;
}

void addReviewRows()
{
    QTest::addColumn<bool>("exercise");
    QTest::newRow("test review") << false;
    QTest::newRow("exercise review") << true;
}

QString heading(QWidget *form)
{
    return form->findChild<QLabel *>(QStringLiteral("Lab_title"))->text();
}

}

class TestReviewForm : public QObject
{
    Q_OBJECT

    // The button clicked, then the title box's text and whether Next and Previous are enabled.
    using Step = std::tuple<const char *, QString, bool, bool>;

    TestBank m_bank;
    std::optional<AppFixture> m_app;

private slots:
    void init() { m_app.emplace(m_bank); }
    void cleanup() { m_app.reset(); }

    // The exercise review's are checked on the way back to the study window.
    void testReviewTitleAndHeading()
    {
        const auto run = std::make_shared<TestRun>();
        run->group = 2;
        QWidget *form = Forms<Frm_t_over>::show(run);
        QCOMPARE(form->windowTitle(), QStringLiteral("智桥-C语言综合练习系统"));
        QCOMPARE(heading(form), QStringLiteral("题组号：【2】"));
    }

    void loadShowsQuestionOneOfEveryKind_data() { addReviewRows(); }

    void loadShowsQuestionOneOfEveryKind()
    {
        QFETCH(bool, exercise);
        const Names &names = namesOf(exercise);
        QWidget *form = showReview(exercise, [](Paper &paper) {
            fillChoices(paper, 10);
            paper.ch(1).chosen = 3;
            fillTasks(paper.blank, 3, QStringLiteral("填空"));
            fillTasks(paper.err, 2, QStringLiteral("改错"));
            fillTasks(paper.pro, 1, QStringLiteral("编程"));
            paper.ch.current = 7; // where the run left off does not matter
        });

        auto *tabs = form->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(box(form, names.title)->text(), expectedQuestion(QStringLiteral("【第1题】："), 1));
        QCOMPARE(box(form, names.explain)->text(), QStringLiteral("你选择的答案为【C】\r\n 正确答案：【B】;\r\n解析1\r\n"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(square(form, i)->text(), QString::number(i + 1));
            QCOMPARE(background(square(form, i)), i == 0 ? kRed : kDarkBlue);
            QVERIFY(!bordered(square(form, i)));
        }
        QCOMPARE(buttons(form, names.next, names.pre), std::make_pair(true, false));
        QCOMPARE(box(form, names.blank)->text(), QStringLiteral("【1】填空题目1"));
        QCOMPARE(box(form, names.err)->text(), QStringLiteral("【1】改错题目1"));
        QCOMPARE(box(form, names.pro)->text(), QStringLiteral("【1】编程题目1"));
        QCOMPARE(box(form, names.proExplain)->text(), QStringLiteral("编程解析1"));
        for (const auto &[next, pre] : {std::pair{"cmd_blank_next", "cmd_blank_pre"}, {"Cmd_err_next", "cmd_err_pre"},
                                        {"Cmd_pro_next", "Cmd_pro_pre"}})
            QCOMPARE(buttons(form, next, pre), std::make_pair(true, false));

        // Only the test review gives the reference answer, below the programming task.
        QCOMPARE(tabs->widget(3)->findChildren<TextBox *>().size(), exercise ? 2 : 3);
        if (!exercise)
            QCOMPARE(box(form, "Txt_pro_answer")->text(), QStringLiteral("编程答案1"));
    }

    void emptyFirstTitleStillExplainsQuestionOne()
    {
        QWidget *form = showReview(false, [](Paper &paper) {
            fillChoices(paper, 3);
            paper.ch(1).title.clear();
        });
        QCOMPARE(box(form, "Txt_ch_title")->text(), QString());
        QCOMPARE(box(form, "Txt_ch_explain")->text(), QStringLiteral("本题你未选答案！\r\n 正确答案：【B】;\r\n解析1\r\n"));
    }

    void choicePagingRunsOverAllTenNumbers_data() { addReviewRows(); }

    void choicePagingRunsOverAllTenNumbers()
    {
        QFETCH(bool, exercise);
        const Names &names = namesOf(exercise);
        QWidget *form = showReview(exercise, [](Paper &paper) {
            fillChoices(paper, 6);
            paper.ch(2).chosen = 4;
        });

        click(form, names.next);
        QCOMPARE(box(form, names.title)->text(), expectedQuestion(QStringLiteral("【第2题】："), 2));
        QCOMPARE(box(form, names.explain)->text(), QStringLiteral("你选择的答案为【D】\r\n 正确答案：【B】;\r\n解析2\r\n"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(background(square(form, i)), i == 1 ? kRed : kBlue);
            QCOMPARE(bordered(square(form, i)), i == 1);
        }
        QCOMPARE(buttons(form, names.next, names.pre), std::make_pair(true, true));

        for (int n = 3; n <= 9; ++n)
            click(form, names.next);
        // Beyond the six loaded questions the squares still move and both boxes are empty.
        QCOMPARE(box(form, names.title)->text(), QString());
        QCOMPARE(box(form, names.explain)->text(), QString());
        QCOMPARE(background(square(form, 8)), kRed);
        QCOMPARE(buttons(form, names.next, names.pre), std::make_pair(true, true));
        click(form, names.next);
        QCOMPARE(background(square(form, 9)), kRed);
        QCOMPARE(buttons(form, names.next, names.pre), std::make_pair(false, true));

        for (int n = 9; n >= 2; --n)
            click(form, names.pre);
        QCOMPARE(buttons(form, names.next, names.pre), std::make_pair(true, true));
        click(form, names.pre);
        QCOMPARE(buttons(form, names.next, names.pre), std::make_pair(true, false));
        QCOMPARE(box(form, names.title)->text(), expectedQuestion(QStringLiteral("【第1题】："), 1));
        QVERIFY(bordered(square(form, 0)));
    }

    // Kind A: Next stays on when the last task comes into view; the click after that turns it off.
    // Kind B: Next goes off as soon as the last task is on show.
    void taskPaging_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("pre");
        QTest::addColumn<QString>("titleBox");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<Step>>("steps");
        QTest::newRow("fill-in, 3 tasks") << "cmd_blank_next" << "cmd_blank_pre" << "Txt_blank_title" << 3
            << QList<Step>{{"cmd_blank_next", "【2】填空题目2", true, true}, {"cmd_blank_next", "【3】填空题目3", true, true},
                           {"cmd_blank_next", "【3】填空题目3", false, true}, {"cmd_blank_pre", "【2】填空题目2", true, true},
                           {"cmd_blank_pre", "【1】填空题目1", true, true}, {"cmd_blank_pre", "【1】填空题目1", true, false}};
        // The error-correction heading gains a trailing space once the student pages.
        QTest::newRow("error correction, 3 tasks") << "Cmd_err_next" << "cmd_err_pre" << "Txt_err_title" << 3
            << QList<Step>{{"Cmd_err_next", "【2】 改错题目2", true, true}, {"Cmd_err_next", "【3】 改错题目3", true, true},
                           {"Cmd_err_next", "【3】 改错题目3", false, true}, {"cmd_err_pre", "【2】 改错题目2", true, true},
                           {"cmd_err_pre", "【1】 改错题目1", true, true}, {"cmd_err_pre", "【1】 改错题目1", true, false}};
        QTest::newRow("programming, 3 tasks") << "Cmd_pro_next" << "Cmd_pro_pre" << "Txt_pro_title" << 3
            << QList<Step>{{"Cmd_pro_next", "【2】编程题目2", true, true}, {"Cmd_pro_next", "【3】编程题目3", false, true},
                           {"Cmd_pro_pre", "【2】编程题目2", true, true}, {"Cmd_pro_pre", "【1】编程题目1", true, false}};
        QTest::newRow("fill-in, none") << "cmd_blank_next" << "cmd_blank_pre" << "Txt_blank_title" << 0
            << QList<Step>{{"cmd_blank_next", "【1】", false, true}};
        QTest::newRow("programming, none") << "Cmd_pro_next" << "Cmd_pro_pre" << "Txt_pro_title" << 0
            << QList<Step>{{"Cmd_pro_next", "【1】", true, false}};
    }

    void taskPaging()
    {
        QFETCH(QString, next);
        QFETCH(QString, pre);
        QFETCH(QString, titleBox);
        QFETCH(int, count);
        QFETCH(QList<Step>, steps);
        QWidget *form = showReview(false, [count](Paper &paper) {
            fillTasks(paper.blank, count, QStringLiteral("填空"));
            fillTasks(paper.err, count, QStringLiteral("改错"));
            fillTasks(paper.pro, count, QStringLiteral("编程"));
        });
        QCOMPARE(box(form, qPrintable(titleBox))->text().left(3), QStringLiteral("【1】"));
        for (const auto &[clicked, title, nextOn, preOn] : steps) {
            click(form, clicked);
            QCOMPARE(box(form, qPrintable(titleBox))->text(), title);
            QCOMPARE(buttons(form, qPrintable(next), qPrintable(pre)), std::make_pair(nextOn, preOn));
        }
    }

    // In the exercise review a square shows its question; an empty one empties both boxes.
    void squareClickShowsThatQuestionWithoutMovingTheButtons()
    {
        QWidget *form = showReview(true, [](Paper &paper) {
            fillChoices(paper, 5);
            paper.ch(4).chosen = 2;
        });
        click(form, "Command1"); // question 2 by the buttons

        QTest::mouseClick(square(form, 3), Qt::LeftButton);
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

        QTest::mouseClick(square(form, 9), Qt::LeftButton);
        QCOMPARE(box(form, "Txt_title")->text(), QString());
        QCOMPARE(box(form, "rtxt_explain")->text(), QString());
        QCOMPARE(background(square(form, 9)), kRed);
        QCOMPARE(buttons(form, "Command1", "Command3"), std::make_pair(true, true));
        click(form, "Command3");
        QCOMPARE(box(form, "Txt_title")->text(), expectedQuestion(QStringLiteral("【第2题】："), 2));
    }

    void testReviewExitAsksAndOnlyYesReturnsToTheStartScreen()
    {
        auto *login = Forms<Frm_login>::show();
        login->hide();
        QWidget *form = showReview(false, [](Paper &paper) {
            fillChoices(paper, 10);
            fillTasks(paper.blank, 3, QStringLiteral("填空"));
        });
        click(form, "Cmd_ch_next");
        click(form, "cmd_blank_next");

        MessageBox::setNextAnswer(QMessageBox::No);
        click(form, "Command2");
        QCOMPARE(lastAsked(), QStringLiteral("信息提示|退出测试系统?|Question|Yes+No"));
        QCOMPARE(Forms<Frm_t_over>::loaded(), form);
        QVERIFY(form->isVisible());
        QVERIFY(!login->isVisible());
        QCOMPARE(box(form, "Txt_blank_title")->text(), QStringLiteral("【2】填空题目2"));
        QCOMPARE(box(form, "Txt_ch_title")->text(), expectedQuestion(QStringLiteral("【第2题】："), 2));

        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(form, "Command2");
        QVERIFY(!Forms<Frm_t_over>::loaded());
        QVERIFY(!form->isVisible());
        QVERIFY(login->isVisible());
        QCOMPARE(m_app->programEnds, 0);
    }

    void testReviewIgnoresCloseRequests()
    {
        QWidget *form = showReview(false, [](Paper &) {});
        QVERIFY(!(form->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(form->windowFlags() & Qt::WindowSystemMenuHint));
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(Forms<Frm_t_over>::loaded(), form);
        QCOMPARE(MessageBox::askedCount(), 0);
    }

    // A unit exercise from the study window up to its review, on either kind of bank; every way of
    // closing the review brings the study window back as the student left it.
    void exerciseReviewReturnsToTheStudyWindowAsLeft_data()
    {
        QTest::addColumn<BankFormat>("format");
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("own bank, Command2") << BankFormat::Sqlite << false;
        QTest::newRow("old Jet bank, close box") << BankFormat::Jet << true;
    }

    void exerciseReviewReturnsToTheStudyWindowAsLeft()
    {
        QFETCH(BankFormat, format);
        QFETCH(bool, byCloseBox);
        m_app.reset(); // the run goes through a bank of its own
        TestBank bank;
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), QStringLiteral("概述的内容"));
        bank.addChapter(QStringLiteral("02"), QStringLiteral("数据类型"), QStringLiteral("{\\rtf1\\ansi\\ansicpg936 \\'d5\\'fb\\'d0\\'cd int}"));
        bank.addExerciseChoice(QStringLiteral("02"), QStringLiteral("整型占几个字节？"), QStringLiteral("C"));
        bank.addExercise(QStringLiteral("02"), QStringLiteral("02"), {{"title", "补全求和程序"}, {"content", "int main(void) {}"}});
        AppFixture app(bank, format);
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
        QCOMPARE(form->windowTitle(), QStringLiteral("智桥-C语言单元练习[要点解析]"));
        QCOMPARE(heading(form), QStringLiteral("单元练习：【数据类型】"));
        QCOMPARE(box(form, "Txt_title")->text().section(u'\r', 0, 0), QStringLiteral("【第1题】：整型占几个字节？"));
        QCOMPARE(box(form, "rTxt_blank_title")->text(), QStringLiteral("【1】补全求和程序"));
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

QTEST_MAIN(TestReviewForm)
#include "tst_review_form.moc"
