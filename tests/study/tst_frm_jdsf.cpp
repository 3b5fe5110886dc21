#include "StudyHelpers.h"

#include "app/Frm_login.h"
#include "controls/Forms.h"
#include "platform/MessageBox.h"
#include "study/Frm_jdsf.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QtTest>

class TestFrmJdsf : public QObject
{
    Q_OBJECT

    static void addAlgorithms(TestBank &bank)
    {
        bank.addAlgorithm(QStringLiteral("10"), QStringLiteral("汉诺塔"), kRtfPointers);
        bank.addAlgorithm(QStringLiteral("01"), QStringLiteral("冒泡排序"), kRtfIntegers);
        bank.addAlgorithm(QStringLiteral("02"), QStringLiteral("选择排序"), QString());
    }

private slots:
    void listsByIdAndShowsThePickedDescription()
    {
        TestBank bank;
        addAlgorithms(bank);
        AppFixture app(bank);
        auto *form = Forms<Frm_jdsf>::show();
        QCOMPARE(form->windowTitle(), QStringLiteral("C语言 智桥 -经典算法"));
        auto *list = listOf(form, "List1");
        QCOMPARE(entries(list), QStringList({QStringLiteral("01 冒泡排序"), QStringLiteral("02 选择排序"),
                                             QStringLiteral("10 汉诺塔")}));
        QCOMPARE(shownText(form), QString());

        pick(list, 2);
        QCOMPARE(shownText(form), QStringLiteral("指针 p"));
        pick(list, 0);
        QCOMPARE(shownText(form), QStringLiteral("整型 int"));
        pick(list, 1); // an empty description shows an empty box
        QCOMPARE(shownText(form), QString());
    }

    void aVanishedRowKeepsTheDescriptionOnShow()
    {
        TestBank bank;
        addAlgorithms(bank);
        AppFixture app(bank);
        auto *form = Forms<Frm_jdsf>::show();
        pick(listOf(form, "List1"), 0);
        bank.exec(QStringLiteral("delete from jdsf where id = '10'"));
        pick(listOf(form, "List1"), 2);
        QCOMPARE(shownText(form), QStringLiteral("整型 int"));
        QCOMPARE(MessageBox::askedCount(), 0);

        bank.exec(QStringLiteral("drop table jdsf"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        pick(listOf(form, "List1"), 1);
        QVERIFY(MessageBox::takeLastAsked());
        QVERIFY(form->isVisible());
        QCOMPARE(shownText(form), QStringLiteral("整型 int"));
    }

    void closingReturnsToTheStartScreen_data() { addCloseRows("cmd_exit"); }

    void closingReturnsToTheStartScreen()
    {
        QFETCH(bool, byCloseBox);
        TestBank bank;
        addAlgorithms(bank);
        AppFixture app(bank);
        auto *login = Forms<Frm_login>::show();
        login->hide();
        auto *form = Forms<Frm_jdsf>::show();
        pick(listOf(form, "List1"), 0);
        if (byCloseBox)
            QVERIFY(form->close());
        else
            QTest::mouseClick(buttonOf(form, "cmd_exit"), Qt::LeftButton);
        QVERIFY(!Forms<Frm_jdsf>::loaded());
        QVERIFY(login->isVisible());
    }
};

QTEST_MAIN(TestFrmJdsf)
#include "tst_frm_jdsf.moc"
