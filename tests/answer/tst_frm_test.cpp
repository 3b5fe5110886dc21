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
    // The start was refused: the message says why, the set choice stays, no test window opened.
    static void checkRefused(QWidget *w, const QString &cause)
    {
        const auto asked = MessageBox::takeLastAsked();
        QVERIFY(asked);
        QVERIFY2(asked->text.startsWith(QStringLiteral("无法开始综合练习。\n\n") + cause), qPrintable(asked->text));
        QCOMPARE(asked->title, QStringLiteral("信息提示"));
        QCOMPARE(asked->icon, QMessageBox::Critical);
        QVERIFY(w->isVisible());
        QVERIFY(!Forms<Frm_t_main>::loaded());
    }

private slots:
    void opensWithFiveSetsAndAnEmptyField()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("智桥--C语言综合练习"));
        QCOMPARE(w->size(), QSize(586, 368));
        QStringList entries;
        for (int i = 0; i < combo(w)->count(); ++i)
            entries << combo(w)->itemText(i);
        QCOMPARE(entries, (QStringList{"第一套练习题", "第二套练习题", "第三套练习题", "第四套练习题", "第五套练习题"}));
        QCOMPARE(combo(w)->currentText(), QString());
        QVERIFY(combo(w)->isEditable());
        QCOMPARE(text(w, "Label1"), QStringLiteral("选择题组"));
        QCOMPARE(text(w, "Cmd_start"), QStringLiteral("开始"));
        QCOMPARE(text(w, "Cmd_end"), QStringLiteral("退出"));
    }

    void refusesAStartWithoutOneOfTheSets_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("nothing") << QString();
        QTest::newRow("blanks") << QStringLiteral("   ");
        QTest::newRow("no such set") << QStringLiteral("第六套练习题");
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

    void startPreparesTheFolderAndOpensTheTest()
    {
        TestBank bank;
        bank.addTestChoice(3, "第三套的题");
        AppFixture app(bank);
        QWidget *w = open();
        choose(w, 0);
        choose(w, 4);
        choose(w, 2); // the last entry chosen is the set
        QCOMPARE(combo(w)->currentText(), QStringLiteral("第三套练习题"));
        click(w, "Cmd_start");
        QCOMPARE(MessageBox::askedCount(), 0);
        QCOMPARE(shownTest().group, 3);
        QCOMPARE(shownTest().test_path, WorkFolders::testPath());
        QVERIFY(QDir(shownTest().test_path).exists());
        QCOMPARE(shownTest().test_clock, 0);
        QVERIFY(!w->isVisible());
        QCOMPARE(Forms<Frm_test>::loaded(), w); // hidden, not unloaded
        QWidget *test = Forms<Frm_t_main>::loaded();
        QVERIFY(test && test->isVisible());
        QCOMPARE(text(test, "Txt_ch_title"), QStringLiteral("【第1题】: 第三套的题"));
    }

    void aTypedSetNameSelectsThatSet()
    {
        TestBank bank;
        bank.addTestChoice(4, "第四套的题");
        AppFixture app(bank);
        QWidget *w = open();
        choose(w, 0);
        type(w, QStringLiteral(" 第四套练习题 "));
        click(w, "Cmd_start");
        QCOMPARE(MessageBox::askedCount(), 0);
        QCOMPARE(shownTest().group, 4);
        QCOMPARE(combo(w)->currentIndex(), 3);
        QCOMPARE(text(Forms<Frm_t_main>::loaded(), "Txt_ch_title"), QStringLiteral("【第1题】: 第四套的题"));
    }

    void cleanUpOnlyWhenTheFolderHoldsPrograms_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("notes only") << QStringList{"notes.txt"} << QStringList{"notes.txt"};
        QTest::newRow("data only") << QStringList{"data_11.dat"} << QStringList{"data_11.dat"};
        QTest::newRow("a .cpp") << QStringList{"main.cpp", "notes.txt"} << QStringList{};
        QTest::newRow("an .exe") << QStringList{"a.exe", "notes.txt"} << QStringList{};
        QTest::newRow("a .c") << QStringList{"x.c", "data_11.dat"} << QStringList{};
    }

    void cleanUpOnlyWhenTheFolderHoldsPrograms()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        TestBank bank;
        AppFixture app(bank);
        for (const QString &name : before)
            putFile(name);
        QDir().mkpath(WorkFolders::join(testFolder(), "keep"));
        QWidget *w = open();
        choose(w, 0);
        click(w, "Cmd_start");
        QCOMPARE(filesIn(testFolder()), after);
        QVERIFY(QDir(WorkFolders::join(testFolder(), "keep")).exists()); // sub-folders stay
    }

    // A second test start keeps what the student wrote, and only that.
    void aSecondStartMovesEditedWorkIntoTheHistory()
    {
        TestBank bank;
        bank.addTest("4", 1, {{"title", "编程一"}, {"content", "int one;"}});
        bank.addTest("4", 1, {{"title", "编程二"}, {"content", "int two;"}});
        AppFixture app(bank);
        QWidget *w = open();
        start(w);
        putFile("pro_1.c", "int one; /* mine */\r\n");
        Forms<Frm_t_main>::unload();
        Forms<Frm_test>::show();
        start(w);

        QCOMPARE(MessageBox::askedCount(), 0);
        const QString history = WorkFolders::join(app.workBase(), "c_zhiqiao/history/test");
        const QStringList runs = QDir(history).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(runs.size(), 1);
        const QString run = WorkFolders::join(history, runs.first());
        QCOMPARE(filesIn(run), QStringList{"pro_1.c"});
        QCOMPARE(fileBytes(WorkFolders::join(run, "pro_1.c")), QByteArray("int one; /* mine */\r\n"));
        QCOMPARE(fileBytes(WorkFolders::join(testFolder(), "pro_1.c")), QByteArray("int one;\r\n"));
        QCOMPARE(filesIn(testFolder()), (QStringList{"pro_1.c", "pro_2.c"}));
    }

    void aMoveThatFailsKeepsTheWindowAndTheFiles()
    {
        TestBank bank;
        AppFixture app(bank);
        putFile("x.c", "mine");
        QFile blocker(WorkFolders::join(app.workBase(), "c_zhiqiao/history"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the history folder should be
        QWidget *w = open();
        start(w);
        checkRefused(w, QStringLiteral("无法把工作文件 %1 移入历史文件夹").arg(WorkFolders::join(testFolder(), "x.c")));
        QCOMPARE(fileBytes(WorkFolders::join(testFolder(), "x.c")), QByteArray("mine"));
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
        checkRefused(w, QStringLiteral("工作文件夹 %1 正由本程序的另一个窗口使用（另一个正在运行的“智桥辅导学习系统-C语言”）。"
                                       "请先在那个窗口中结束练习，再在这里开始。")
                            .arg(testFolder()));
        QCOMPARE(filesIn(testFolder()), QStringList{"pro_1.c"});
        QCOMPARE(fileBytes(WorkFolders::join(testFolder(), "pro_1.c")), QByteArray("theirs"));
        other.unlock();
        start(w);
        QCOMPARE(MessageBox::askedCount(), 0);
        QVERIFY(Forms<Frm_t_main>::loaded());
        // The test window holds the folder until it goes.
        QLockFile meanwhile(WorkFolders::join(app.workBase(), "c_zhiqiao/test.lock"));
        QVERIFY(!meanwhile.tryLock(0));
        Forms<Frm_t_main>::unload();
        QTRY_VERIFY(!Forms<Frm_t_main>::loaded() && !WorkFolderLock::isHeld(WorkKind::Test));
        QLockFile later(WorkFolders::join(app.workBase(), "c_zhiqiao/test.lock"));
        QVERIFY(later.tryLock(0));
    }

    // A work folder linked outside the home is refused, and nothing there is touched.
    void aWorkFolderLinkedOutsideIsRefused()
    {
        TestBank bank;
        AppFixture app(bank);
        QTemporaryDir outside;
        QVERIFY(writeFile(outside.filePath("test/keep.c"), "outside"));
        QVERIFY(QFile::link(outside.path(), WorkFolders::join(app.workBase(), "c_zhiqiao")));
        QWidget *w = open();
        start(w);
        checkRefused(w, QStringLiteral("文件夹 %1 不能使用：%2 是符号链接")
                            .arg(testFolder(), WorkFolders::join(app.workBase(), "c_zhiqiao")));
        QCOMPARE(fileBytes(outside.filePath("test/keep.c")), QByteArray("outside"));
        QCOMPARE(QDir(outside.filePath("test")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"keep.c"});
    }

    // Without a home the test does not start, and nothing is made at the root.
    void noHomeNoStart()
    {
        TestBank bank;
        AppFixture app(bank);
        const bool atRootBefore = QFileInfo::exists(QStringLiteral("/c_zhiqiao"));
        const QByteArray home = qgetenv("HOME");
        WorkFolders::setBase({});
        qputenv("HOME", "/");
        QWidget *w = open();
        start(w);
        qputenv("HOME", home);
        checkRefused(w, QStringLiteral("找不到您的主文件夹"));
        QCOMPARE(QFileInfo::exists(QStringLiteral("/c_zhiqiao")), atRootBefore);
    }

    void leavingReturnsToTheStartScreen_data() { addCloseRows("退出"); }

    void leavingReturnsToTheStartScreen()
    {
        QFETCH(bool, byCloseBox);
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = open();
        choose(w, 1);
        if (byCloseBox)
            w->close();
        else
            click(w, "Cmd_end");
        QCOMPARE(MessageBox::askedCount(), 0);
        QVERIFY(!Forms<Frm_test>::loaded());
        QVERIFY(Forms<Frm_login>::loaded()->isVisible());
    }

    void theStartScreenReopensItWithTheEarlierChoice()
    {
        TestBank bank;
        AppFixture app(bank);
        QWidget *w = open();
        choose(w, 4);
        click(w, "Cmd_start");
        Forms<Frm_t_main>::unload();
        QWidget *again = Forms<Frm_test>::show();
        QCOMPARE(again, w);
        QCOMPARE(combo(again)->currentText(), QStringLiteral("第五套练习题"));
        click(again, "Cmd_start");
        QCOMPARE(shownTest().group, 5);
    }
};

QTEST_MAIN(TestFrmTest)
#include "tst_frm_test.moc"
