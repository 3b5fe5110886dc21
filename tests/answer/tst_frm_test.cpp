#include "answer/AnswerWindows.h"
#include "answer/Frm_t_main.h"
#include "answer/Frm_test.h"
#include "app/Frm_login.h"
#include "platform/MessageBox.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"
#include "workfiles/WorkFolderLock.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLockFile>

using namespace AnswerWindows;

class TestFrmTest : public QObject
{
    Q_OBJECT

    static QWidget *open()
    {
        Forms<Frm_login>::show()->hide();
        return Forms<Frm_test>::show();
    }
    static QComboBox *combo(QWidget *w) { return control<QComboBox>(w, "Com_group"); }
    static void type(QWidget *w, const QString &text)
    {
        combo(w)->lineEdit()->clear();
        combo(w)->lineEdit()->insert(text); // as typed: QTest types Latin-1 only
    }
    static void choose(QWidget *w, int entry)
    {
        combo(w)->setFocus();
        combo(w)->setCurrentIndex(entry);
        emit combo(w)->activated(entry);
    }
    static QString testFolder() { return WorkFolders::testPath(); }
    static void putFile(const QString &name, const QByteArray &bytes = "x")
    {
        QVERIFY(writeFile(WorkFolders::join(testFolder(), name), bytes));
    }
    // Set 1 chosen and "开始" clicked; the message asked, if any, is answered with OK.
    static void start(QWidget *w)
    {
        choose(w, 0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(w, "Cmd_start");
    }

private slots:
    void opensWithFiveSetsAndAnEmptyField()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("智桥--C语言综合练习"));
        QStringList entries;
        for (int i = 0; i < combo(w)->count(); ++i)
            entries << combo(w)->itemText(i);
        QCOMPARE(entries, (QStringList{"第一套练习题", "第二套练习题", "第三套练习题", "第四套练习题", "第五套练习题"}));
        QCOMPARE(combo(w)->currentText(), QString());
        QCOMPARE(text(w, "Label1"), QStringLiteral("选择题组"));
        QCOMPARE(text(w, "Cmd_start"), QStringLiteral("开始"));
        QCOMPARE(text(w, "Cmd_end"), QStringLiteral("退出"));
    }

    void refusesAStartWithoutOneOfTheSets_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("blanks") << QStringLiteral("   ");
        QTest::newRow("part of a set") << QStringLiteral("第三套");
    }

    void refusesAStartWithoutOneOfTheSets()
    {
        QFETCH(QString, typed);
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = open();
        type(w, typed);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(w, "Cmd_start");
        QCOMPARE(lastAsked(), QStringLiteral("信息提示|请选择一组练习题!|Critical|Ok"));
        QVERIFY(w->isVisible());
        QVERIFY(!Forms<Frm_t_main>::loaded());
        QVERIFY(!QDir(testFolder()).exists());
    }

    // The typed text names the set, blanks around it aside; the window hides with that choice
    // and offers it again for the next test. A folder holding no program is left as it is.
    void startOpensTheTypedSetAndKeepsTheChoice_data() { addBankFormatRows(); }

    void startOpensTheTypedSetAndKeepsTheChoice()
    {
        QFETCH(BankFormat, format);
        TestBank bank;
        bank.addTestChoice(4, "第四套的题");
        AppFixture app(bank, format);
        putFile("notes.txt");
        QWidget *w = open();
        choose(w, 0);
        type(w, QStringLiteral(" 第四套练习题 "));
        click(w, "Cmd_start");
        QCOMPARE(shownTest().group, 4);
        QCOMPARE(filesIn(testFolder()), QStringList{"notes.txt"});
        QCOMPARE(combo(w)->currentIndex(), 3);
        QVERIFY(!w->isVisible());
        QCOMPARE(text(Forms<Frm_t_main>::loaded(), "Txt_ch_title"), QStringLiteral("【第1题】: 第四套的题"));

        Forms<Frm_t_main>::unload();
        QCOMPARE(Forms<Frm_test>::show(), w); // hidden, not unloaded
        QCOMPARE(combo(w)->currentText(), QStringLiteral("第四套练习题"));
        click(w, "Cmd_start");
        QCOMPARE(shownTest().group, 4);
    }

    // A start empties a folder holding a program (for a test an .exe counts too), and a second
    // start keeps what the student wrote, and only that.
    void aStartMovesProgramsAndEditedWorkIntoTheHistory()
    {
        TestBank bank;
        bank.addTest("4", 1, {{"title", "编程一"}, {"content", "int one;"}});
        bank.addTest("4", 1, {{"title", "编程二"}, {"content", "int two;"}});
        AppFixture app(bank);
        putFile("a.exe");
        QWidget *w = open();
        start(w);
        putFile("pro_1.c", "int one; /* mine */\r\n");
        Forms<Frm_t_main>::unload();
        Forms<Frm_test>::show();
        start(w);

        const QString history = WorkFolders::join(app.workBase(), "c_zhiqiao/history/test");
        const QStringList runs = QDir(history).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QCOMPARE(runs.size(), 2);
        QCOMPARE(filesIn(WorkFolders::join(history, runs.first())), QStringList{"a.exe"});
        const QString run = WorkFolders::join(history, runs.last());
        QCOMPARE(filesIn(run), QStringList{"pro_1.c"});
        QCOMPARE(fileBytes(WorkFolders::join(run, "pro_1.c")), QByteArray("int one; /* mine */\r\n"));
        QCOMPARE(fileBytes(WorkFolders::join(testFolder(), "pro_1.c")), QByteArray("int one;\r\n"));
        QCOMPARE(filesIn(testFolder()), (QStringList{"pro_1.c", "pro_2.c"}));
    }

    // A bank that fails the load leaves the set window as it was, saying why.
    void aBankThatFailsKeepsTheSetWindow()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = open();
        bank.exec("drop table c_test");
        start(w);
        const auto asked = MessageBox::takeLastAsked();
        QVERIFY(asked && asked->text.startsWith(QStringLiteral("无法开始综合练习。\n\n")));
        QVERIFY(w->isVisible());
        QVERIFY(!Forms<Frm_t_main>::loaded());
    }

    // Another copy of the program has the folder open: the start says so and nothing there is moved;
    // once that copy lets go, the test starts.
    void aFolderInUseByAnotherCopyIsLeftAlone()
    {
        TestBank bank;
        AppFixture app(bank);
        putFile("pro_1.c", "theirs");
        QLockFile other(WorkFolders::join(app.workBase(), "c_zhiqiao/test.lock"));
        QVERIFY(other.tryLock(0));
        QWidget *w = open();
        start(w);
        QCOMPARE(lastAsked(), QStringLiteral("信息提示|无法开始综合练习。\n\n工作文件夹 %1 正由本程序的另一个窗口使用（另一个正在运行的"
                                             "“智桥辅导学习系统-C语言”）。请先在那个窗口中结束练习，再在这里开始。|Critical|Ok")
                                 .arg(testFolder()));
        QVERIFY(w->isVisible());
        QVERIFY(!Forms<Frm_t_main>::loaded());
        QCOMPARE(filesIn(testFolder()), QStringList{"pro_1.c"});
        QCOMPARE(fileBytes(WorkFolders::join(testFolder(), "pro_1.c")), QByteArray("theirs"));
        other.unlock();
        start(w);
        QVERIFY(Forms<Frm_t_main>::loaded());
        // The test window holds the folder until it goes.
        QLockFile meanwhile(WorkFolders::join(app.workBase(), "c_zhiqiao/test.lock"));
        QVERIFY(!meanwhile.tryLock(0));
        Forms<Frm_t_main>::unload();
        QTRY_VERIFY(!Forms<Frm_t_main>::loaded() && !WorkFolderLock::isHeld(WorkKind::Test));
        QLockFile later(WorkFolders::join(app.workBase(), "c_zhiqiao/test.lock"));
        QVERIFY(later.tryLock(0));
    }
};

QTEST_MAIN(TestFrmTest)
#include "tst_frm_test.moc"
