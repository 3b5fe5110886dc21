#include "answer/AnswerWindows.h"
#include "answer/Frm_t_main.h"
#include "answer/Frm_test.h"
#include "app/Frm_login.h"
#include "platform/MessageBox.h"
#include "review/Frm_t_over.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QComboBox>

using namespace AnswerWindows;

// A whole practice test as the student goes through it: start screen, set choice, answering,
// review, and back to the start screen.
class TestTestFlow : public QObject
{
    Q_OBJECT

private slots:
    void aWholeTestFromTheStartScreenAndBack_data() { addBankFormatRows(); }

    void aWholeTestFromTheStartScreenAndBack()
    {
        QFETCH(BankFormat, format);
        TestBank bank;
        bank.addTestChoice(3, "第一题", "B");
        bank.addTestChoice(3, "第二题", "D");
        bank.addTest("2", 3, {{"title", "填空"}, {"content", "int main(void) { return 0; }"}});
        bank.addTestChoice(1, "别的题组");
        AppFixture app(bank, format);

        QWidget *login = Forms<Frm_login>::show();
        QTest::mouseClick(control<QLabel>(login, "Pic3"), Qt::LeftButton);
        QVERIFY(!login->isVisible());
        QWidget *sets = Forms<Frm_test>::loaded();
        QVERIFY(shown(sets));

        auto *combo = control<QComboBox>(sets, "Com_group");
        combo->setCurrentIndex(2);
        emit combo->activated(2);
        click(sets, "Cmd_start");
        QWidget *test = Forms<Frm_t_main>::loaded();
        QVERIFY(shown(test));
        QVERIFY(!sets->isVisible());
        QCOMPARE(text(test, "Txt_ch_title"), QStringLiteral("【第1题】: 第一题"));
        QVERIFY(QFile::exists(WorkFolders::join(shownTest().test_path, "blank_1.c")));

        click(test, "Op1(1)"); // B for question 1, question 2 left open
        click(test, "Cmd_next");
        click(test, "cmd_exit");
        settle();
        QVERIFY(!Forms<Frm_t_main>::loaded());
        QWidget *review = Forms<Frm_t_over>::loaded();
        QVERIFY(shown(review));
        QVERIFY(text(review, "Txt_ch_title").contains(QStringLiteral("第一题")));
        QVERIFY(text(review, "Txt_ch_explain").contains(QStringLiteral("你选择的答案为【B】")));
        QVERIFY(text(review, "Lab_title").contains(QStringLiteral("3")));

        MessageBox::setNextAnswer(QMessageBox::No);
        click(review, "Command2");
        QCOMPARE(lastAsked(), QStringLiteral("信息提示|退出测试系统?|Question|Yes+No"));
        QVERIFY(shown(review));

        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(review, "Command2");
        settle();
        QVERIFY(!Forms<Frm_t_over>::loaded());
        QVERIFY(login->isVisible());
        QCOMPARE(Forms<Frm_test>::loaded(), sets); // hidden all along, with its choice
        QVERIFY(!sets->isVisible());

        // The start screen opens the same set window again; a new test starts with no choice made.
        QTest::mouseClick(control<QLabel>(login, "Pic3"), Qt::LeftButton);
        QVERIFY(shown(sets));
        QCOMPARE(combo->currentText(), QStringLiteral("第三套练习题"));
        click(sets, "Cmd_start");
        QWidget *second = Forms<Frm_t_main>::loaded();
        QVERIFY(shown(second));
        QCOMPARE(shownTest().TestPaper.ch(1).chosen, 0);
        QCOMPARE(text(second, "Lab_time"), QStringLiteral("00:00:00"));
    }
};

QTEST_MAIN(TestTestFlow)
#include "tst_test_flow.moc"
