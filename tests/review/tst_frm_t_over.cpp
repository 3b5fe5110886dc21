#include "ReviewHelpers.h"

#include "app/Frm_login.h"
#include "controls/Forms.h"
#include "platform/MessageBox.h"
#include "review/Frm_t_over.h"
#include "state/Runs.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QtTest>


class TestFrmTOver : public QObject
{
    Q_OBJECT

    // The button clicked, then the title box's text and whether Next and Previous are enabled.
    using Step = std::tuple<const char *, QString, bool, bool>;

    TestBank m_bank;
    std::optional<AppFixture> m_app;

private slots:
    void init() { m_app.emplace(m_bank); }
    void cleanup() { m_app.reset(); }

    void loadShowsQuestionOneOfEveryKind()
    {
        const auto run = std::make_shared<TestRun>();
        run->group = 2;
        fillChoices(run->TestPaper, 10);
        run->TestPaper.ch(1).chosen = 3;
        fillTasks(run->TestPaper.blank, 3, QStringLiteral("填空"));
        fillTasks(run->TestPaper.err, 2, QStringLiteral("改错"));
        fillTasks(run->TestPaper.pro, 1, QStringLiteral("编程"));
        run->TestPaper.ch.current = 7; // where the test left off does not matter
        auto *form = Forms<Frm_t_over>::show(run);

        QCOMPARE(form->windowTitle(), QStringLiteral("智桥-C语言综合练习系统"));
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Lab_title"))->text(), QStringLiteral("题组号：【2】"));
        QCOMPARE(form->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), 0);
        QCOMPARE(box(form, "Txt_ch_title")->text(), expectedQuestion(QStringLiteral("【第1题】："), 1));
        QCOMPARE(box(form, "Txt_ch_explain")->text(), QStringLiteral("你选择的答案为【C】\r\n 正确答案：【B】;\r\n解析1\r\n"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(square(form, i)->text(), QString::number(i + 1));
            QCOMPARE(background(square(form, i)), i == 0 ? kRed : kDarkBlue);
            QVERIFY(!bordered(square(form, i)));
        }
        QCOMPARE(buttons(form, "Cmd_ch_next", "Cmd_ch_pre"), std::make_pair(true, false));
        QCOMPARE(box(form, "Txt_blank_title")->text(), QStringLiteral("【1】填空题目1"));
        QCOMPARE(box(form, "Txt_blank_explain")->text(), QStringLiteral("填空解析1"));
        QCOMPARE(box(form, "Txt_err_title")->text(), QStringLiteral("【1】改错题目1"));
        QCOMPARE(box(form, "Txt_err_explain")->text(), QStringLiteral("改错解析1"));
        QCOMPARE(box(form, "Txt_pro_title")->text(), QStringLiteral("【1】编程题目1"));
        QCOMPARE(box(form, "Txt_pro_explain")->text(), QStringLiteral("编程解析1"));
        QCOMPARE(box(form, "Txt_pro_answer")->text(), QStringLiteral("编程答案1"));
        for (const auto &[next, pre] : {std::pair{"cmd_blank_next", "cmd_blank_pre"}, {"Cmd_err_next", "cmd_err_pre"},
                                        {"Cmd_pro_next", "Cmd_pro_pre"}})
            QCOMPARE(buttons(form, next, pre), std::make_pair(true, false));
        QCOMPARE(run->TestPaper.ch.current, 7);
    }

    void emptyFirstTitleStillExplainsQuestionOne()
    {
        const auto run = std::make_shared<TestRun>();
        fillChoices(run->TestPaper, 3);
        run->TestPaper.ch(1).title.clear();
        auto *form = Forms<Frm_t_over>::show(run);
        QCOMPARE(box(form, "Txt_ch_title")->text(), QString());
        QCOMPARE(box(form, "Txt_ch_explain")->text(), QStringLiteral("本题你未选答案！\r\n 正确答案：【B】;\r\n解析1\r\n"));
    }

    void choicePagingRunsOverAllTenNumbers()
    {
        const auto run = std::make_shared<TestRun>();
        fillChoices(run->TestPaper, 6);
        run->TestPaper.ch(2).chosen = 4;
        auto *form = Forms<Frm_t_over>::show(run);

        click(form, "Cmd_ch_next");
        QCOMPARE(box(form, "Txt_ch_title")->text(), expectedQuestion(QStringLiteral("【第2题】："), 2));
        QCOMPARE(box(form, "Txt_ch_explain")->text(), QStringLiteral("你选择的答案为【D】\r\n 正确答案：【B】;\r\n解析2\r\n"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(background(square(form, i)), i == 1 ? kRed : kBlue);
            QCOMPARE(bordered(square(form, i)), i == 1);
        }
        QCOMPARE(buttons(form, "Cmd_ch_next", "Cmd_ch_pre"), std::make_pair(true, true));

        for (int n = 3; n <= 9; ++n)
            click(form, "Cmd_ch_next");
        // Beyond the six loaded questions the squares still move and both boxes are empty.
        QCOMPARE(box(form, "Txt_ch_title")->text(), QString());
        QCOMPARE(box(form, "Txt_ch_explain")->text(), QString());
        QCOMPARE(background(square(form, 8)), kRed);
        QCOMPARE(buttons(form, "Cmd_ch_next", "Cmd_ch_pre"), std::make_pair(true, true));
        click(form, "Cmd_ch_next");
        QCOMPARE(background(square(form, 9)), kRed);
        QCOMPARE(buttons(form, "Cmd_ch_next", "Cmd_ch_pre"), std::make_pair(false, true));

        for (int n = 9; n >= 2; --n)
            click(form, "Cmd_ch_pre");
        QCOMPARE(buttons(form, "Cmd_ch_next", "Cmd_ch_pre"), std::make_pair(true, true));
        click(form, "Cmd_ch_pre");
        QCOMPARE(buttons(form, "Cmd_ch_next", "Cmd_ch_pre"), std::make_pair(true, false));
        QCOMPARE(box(form, "Txt_ch_title")->text(), expectedQuestion(QStringLiteral("【第1题】："), 1));
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
        QTest::newRow("error correction, none") << "Cmd_err_next" << "cmd_err_pre" << "Txt_err_title" << 0
            << QList<Step>{{"Cmd_err_next", "【1】 ", false, true}};
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
        const auto run = std::make_shared<TestRun>();
        fillTasks(run->TestPaper.blank, count, QStringLiteral("填空"));
        fillTasks(run->TestPaper.err, count, QStringLiteral("改错"));
        fillTasks(run->TestPaper.pro, count, QStringLiteral("编程"));
        auto *form = Forms<Frm_t_over>::show(run);
        QCOMPARE(box(form, qPrintable(titleBox))->text().left(3), QStringLiteral("【1】"));
        for (const auto &[clicked, title, nextOn, preOn] : steps) {
            click(form, clicked);
            QCOMPARE(box(form, qPrintable(titleBox))->text(), title);
            QCOMPARE(buttons(form, qPrintable(next), qPrintable(pre)), std::make_pair(nextOn, preOn));
        }
    }

    void programmingPagingShowsTheReferenceAnswer()
    {
        const auto run = std::make_shared<TestRun>();
        fillTasks(run->TestPaper.pro, 2, QStringLiteral("编程"));
        auto *form = Forms<Frm_t_over>::show(run);
        click(form, "Cmd_pro_next");
        QCOMPARE(box(form, "Txt_pro_explain")->text(), QStringLiteral("编程解析2"));
        QCOMPARE(box(form, "Txt_pro_answer")->text(), QStringLiteral("编程答案2"));
    }

    void exitAsksAndOnlyYesReturnsToTheStartScreen()
    {
        const auto run = std::make_shared<TestRun>();
        auto *login = Forms<Frm_login>::show();
        login->hide();
        fillChoices(run->TestPaper, 10);
        fillTasks(run->TestPaper.blank, 3, QStringLiteral("填空"));
        auto *form = Forms<Frm_t_over>::show(run);
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

    void closeRequestsAreIgnored()
    {
        const auto run = std::make_shared<TestRun>();
        auto *form = Forms<Frm_t_over>::show(run);
        QVERIFY(!(form->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(form->windowFlags() & Qt::WindowSystemMenuHint));
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(Forms<Frm_t_over>::loaded(), form);
        QCOMPARE(MessageBox::askedCount(), 0);
    }

    void aFreshReviewStartsAtOneAgain()
    {
        const auto run = std::make_shared<TestRun>();
        fillChoices(run->TestPaper, 10);
        auto *form = Forms<Frm_t_over>::show(run);
        click(form, "Cmd_ch_next");
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(form, "Command2");
        settle();
        form = Forms<Frm_t_over>::show(run);
        QCOMPARE(box(form, "Txt_ch_title")->text(), expectedQuestion(QStringLiteral("【第1题】："), 1));
        QCOMPARE(buttons(form, "Cmd_ch_next", "Cmd_ch_pre"), std::make_pair(true, false));
    }
};

QTEST_MAIN(TestFrmTOver)
#include "tst_frm_t_over.moc"
