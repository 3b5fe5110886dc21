#include "answer/AnswerWindows.h"
#include "app/Frm_login.h"
#include "app/OpenBank.h"
#include "controls/Forms.h"
#include "data/BankFile.h"
#include "data/JetBank.h"
#include "platform/MessageBox.h"
#include "study/Frm_jdsf.h"
#include "support/AppFixture.h"
#include "support/TestBank.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestFrmLogin : public QObject
{
    Q_OBJECT

    QLabel *pic(QWidget *login, const char *name) { return login->findChild<QLabel *>(QString::fromLatin1(name)); }
    static bool framed(QLabel *label) { return label->frameShape() == QFrame::Box; }
    static void moveOver(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

private slots:
    void opensTheBankOfEitherFormat_data() { addBankFormatRows(); }

    void opensTheBankOfEitherFormat()
    {
        QFETCH(BankFormat, format);
        TestBank bank;
        AppFixture app(bank, format);
        OpenBank::conn.reset();
        auto *login = Forms<Frm_login>::show();
        QSignalSpy loaded(login, &Frm_login::loaded);
        QVERIFY(QTest::qWaitForWindowExposed(login));
        QTRY_COMPARE(loaded.count(), 1);
        QVERIFY(OpenBank::conn);
        QCOMPARE(bool(dynamic_cast<JetBank *>(OpenBank::conn.get())), format == BankFormat::Jet);
        QCOMPARE(login->windowTitle(), QStringLiteral("智桥辅导学习系统-C语言"));
    }

    // The bank opens once the screen is painted; a click before that must not reach an activity,
    // whose window would find no bank.
    void picturesAnswerOnlyOnceTheBankIsOpen()
    {
        TestBank bank;
        AppFixture app(bank);
        OpenBank::conn.reset();
        auto *login = Forms<Frm_login>::show();
        QTest::mouseClick(pic(login, "Pic1"), Qt::LeftButton);
        QVERIFY(login->isVisible());
        QTRY_VERIFY(OpenBank::conn);
        QTest::mouseClick(pic(login, "Pic1"), Qt::LeftButton);
        QVERIFY(!login->isVisible());
    }

    void aBankThatCannotBeOpenedEndsTheProgramWithStatus1()
    {
        TestBank bank;
        AppFixture app(bank);
        OpenBank::conn.reset();
        QTemporaryDir dir;
        const QString notABank = dir.filePath(QStringLiteral("c_qiyuan.db"));
        QVERIFY(AnswerWindows::writeFile(notABank, "not a question bank"));
        BankFile::setPath(notABank);
        MessageBox::setNextAnswer(QMessageBox::Ok);

        auto *login = Forms<Frm_login>::show();
        QSignalSpy loaded(login, &Frm_login::loaded);
        QTRY_COMPARE(app.programEnds, 1);
        QCOMPARE(app.endStatus, 1);
        QCOMPARE(loaded.count(), 0);
        QVERIFY(!OpenBank::conn);
        const auto asked = MessageBox::takeLastAsked();
        QVERIFY(asked);
        QVERIFY(asked->text.startsWith(QStringLiteral("题库打开失败，程序将退出。\n\n")));
        QVERIFY(asked->text.contains(notABank));
        QCOMPARE(asked->title, QStringLiteral("信息提示"));
        QCOMPARE(asked->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(asked->icon, QMessageBox::Critical);
    }

    void hoverFramesOnlyThePictureUnderThePointer()
    {
        TestBank bank;
        AppFixture app(bank);
        auto *login = Forms<Frm_login>::show();
        moveOver(pic(login, "Pic2"));
        QVERIFY(framed(pic(login, "Pic2")));
        moveOver(pic(login, "Pic3"));
        QVERIFY(framed(pic(login, "Pic3")));
        QVERIFY(!framed(pic(login, "Pic2")));
        moveOver(login);
        for (const char *name : {"Pic1", "Pic2", "Pic3", "Pic4"})
            QVERIFY(!framed(pic(login, name)));
    }

    // The keyboard's frame shows once a key has moved it, never where the focus only happens to
    // be: not at start, and not on coming back from an activity.
    void aFrameShowsOnlyWhereAKeyOrThePointerPutIt()
    {
        TestBank bank;
        AppFixture app(bank);
        auto *login = Forms<Frm_login>::show();
        const auto framedNames = [&] {
            QStringList names;
            for (const char *name : {"Pic1", "Pic2", "Pic3", "Pic4"})
                if (framed(pic(login, name)))
                    names << QLatin1String(name);
            return names;
        };
        const auto typed = [&](Qt::Key key) { QTest::keyClick(login->focusWidget(), key); };
        QCOMPARE(framedNames(), QStringList());
        typed(Qt::Key_Return); // nothing framed: nothing opens
        typed(Qt::Key_Space);
        QVERIFY(login->isVisible());

        typed(Qt::Key_Right);
        QCOMPARE(framedNames(), QStringList{"Pic2"});
        typed(Qt::Key_Return);
        QVERIFY(!login->isVisible());
        QVERIFY(AnswerWindows::shown(Forms<Frm_jdsf>::loaded()));
        Forms<Frm_jdsf>::loaded()->close();
        QVERIFY(login->isVisible());
        QCOMPARE(framedNames(), QStringList());
        QVERIFY(QTest::qWaitForWindowActive(login)); // Tab's focus change is reported to an active window
        QCOMPARE(framedNames(), QStringList());
        typed(Qt::Key_Tab);
        QCOMPARE(framedNames().size(), 1);
    }

    void exitPromptsKeepTheirOwnTitles_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<QString>("title");
        QTest::newRow("Pic4") << false << QStringLiteral("信息提示");
        QTest::newRow("close box") << true << QStringLiteral("提示信息");
    }

    void exitPromptsKeepTheirOwnTitles()
    {
        QFETCH(bool, byCloseBox);
        QFETCH(QString, title);
        TestBank bank;
        AppFixture app(bank);
        auto *login = Forms<Frm_login>::show();
        auto exitOnce = [&] {
            if (byCloseBox)
                login->close();
            else
                QTest::mouseClick(pic(login, "Pic4"), Qt::LeftButton);
        };

        MessageBox::setNextAnswer(QMessageBox::No);
        exitOnce();
        QCOMPARE(lastAsked(), title + QStringLiteral("|是否退出【C语言 智桥】系统？|Question|Yes+No"));
        QVERIFY(login->isVisible());
        QVERIFY(OpenBank::conn);
        QCOMPARE(app.programEnds, 0);
        OpenBank::conn->chapters(); // the connection still answers

        MessageBox::setNextAnswer(QMessageBox::Yes);
        exitOnce();
        QVERIFY(!OpenBank::conn);
        QCOMPARE(app.programEnds, 1);
        QCOMPARE(app.endStatus, 0);
    }
};

QTEST_MAIN(TestFrmLogin)
#include "tst_frm_login.moc"
