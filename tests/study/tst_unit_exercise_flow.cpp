#include "StudyHelpers.h"

#include "answer/AnswerWindows.h"
#include "answer/Frm_exer.h"
#include "app/Frm_login.h"
#include "controls/Forms.h"
#include "controls/TextBox.h"
#include "platform/MessageBox.h"
#include "review/Frm_excer_over.h"
#include "study/Frm_study.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using AnswerWindows::control;

// A whole unit exercise as the student goes through it: from the start screen's study button to
// the study window, the exercise, its review, back to the study window and the start screen.
class TestUnitExerciseFlow : public QObject
{
    Q_OBJECT

private slots:
    void fromTheStartScreenAndBack_data() { addBankFormatRows(); }

    void fromTheStartScreenAndBack()
    {
        QFETCH(BankFormat, format);
        TestBank bank;
        bank.addChapter(QStringLiteral("01"), QStringLiteral("概述"), kRtfPointers);
        bank.addChapter(QStringLiteral("02"), QStringLiteral("数据类型"), kRtfIntegers);
        bank.addExerciseChoice(QStringLiteral("02"), QStringLiteral("整型占几个字节？"), QStringLiteral("C"));
        bank.addExerciseChoice(QStringLiteral("02"), QStringLiteral("实型常量的写法"));
        bank.addExercise(QStringLiteral("02"), QStringLiteral("02"),
                         {{"title", "补全求和程序"}, {"explain", "循环累加"}, {"content", "int main(void) { return 0; }"}});
        AppFixture app(bank, format);
        auto *login = Forms<Frm_login>::show();
        QTest::mouseClick(control<QLabel>(login, "Pic1"), Qt::LeftButton);
        auto *study = Forms<Frm_study>::loaded();
        QVERIFY(study && study->isVisible());
        QVERIFY(!login->isVisible());

        pick(listOf(study, "List_item"), 1);
        QTest::mouseClick(buttonOf(study, "Cmd_excer"), Qt::LeftButton);
        auto *exer = Forms<Frm_exer>::loaded();
        QVERIFY(exer && exer->isVisible());
        QVERIFY(!study->isVisible());

        control<QRadioButton>(exer, "Option1(2)")->click(); // option C for question 1
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(control<QPushButton>(exer, "Command1"), Qt::LeftButton);
        QVERIFY(!Forms<Frm_exer>::loaded());

        auto *review = Forms<Frm_excer_over>::loaded();
        QVERIFY(review && review->isVisible());
        QCOMPARE(control<QLabel>(review, "Lab_title")->text(), QStringLiteral("单元练习：【数据类型】"));
        QCOMPARE(control<TextBox>(review, "Txt_title")->text(),
                 QStringLiteral("【第1题】：整型占几个字节？\r\n   [A] 选项A\r\n   [B] 选项B\r\n   [C] 选项C\r\n   [D] 选项D\r\n"));
        QCOMPARE(control<TextBox>(review, "rtxt_explain")->text(),
                 QStringLiteral("你选择的答案为【C】\r\n 正确答案：【C】;\r\n整型占几个字节？的解析\r\n"));
        QCOMPARE(control<TextBox>(review, "rTxt_blank_title")->text(), QStringLiteral("【1】补全求和程序"));

        QTest::mouseClick(buttonOf(review, "Command2"), Qt::LeftButton);
        QVERIFY(!Forms<Frm_excer_over>::loaded());
        QCOMPARE(Forms<Frm_study>::loaded(), study);
        QVERIFY(study->isVisible());
        QCOMPARE(control<QGroupBox>(study, "Frame_content")->title(), QStringLiteral("单元内容提要--数据类型"));
        QCOMPARE(shownText(study), QStringLiteral("整型 int"));
        QVERIFY(buttonOf(study, "Cmd_excer")->isEnabled());

        QTest::mouseClick(buttonOf(study, "cmd_exit"), Qt::LeftButton);
        QVERIFY(!Forms<Frm_study>::loaded());
        QVERIFY(login->isVisible());
        QCOMPARE(app.programEnds, 0);
    }
};

QTEST_MAIN(TestUnitExerciseFlow)
#include "tst_unit_exercise_flow.moc"
