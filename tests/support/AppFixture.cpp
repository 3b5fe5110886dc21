#include "support/AppFixture.h"

#include "app/WindowClasses.h"
#include "data/BankFile.h"
#include "data/BankOpen.h"
#include "platform/MessageBox.h"
#include "platform/ProgramEnd.h"
#include "app/OpenBank.h"
#include "state/ExerciseClock.h"
#include "record/RecordLocation.h"
#include "support/JetCopy.h"
#include "support/TestBank.h"
#include "workfiles/WorkFolders.h"

#include <QApplication>
#include <QMetaEnum>
#include <QPointer>
#include <QTest>
#include <QWidget>

void addBankFormatRows()
{
    QTest::addColumn<BankFormat>("format");
    QTest::newRow("own bank") << BankFormat::Sqlite;
    QTest::newRow("old Jet bank") << BankFormat::Jet;
}

void addCloseRows(const char *button)
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow(button) << false;
    QTest::newRow("close box") << true;
}

void resetSharedState()
{
    OpenBank::conn.reset();
    ExerciseClock::exer_clock = 0;
}

void unloadAllForms()
{
    // Windows are owned by nobody but their Forms slot, which forgets a deleted window by itself.
    // Guarded pointers: a combo box's popup is a top-level widget too, and goes with its window.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows << w;
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

AppFixture::AppFixture(const TestBank &bank, BankFormat format)
{
    unloadAllForms();
    resetSharedState();
    WindowClasses::connect();
    const QString path = format == BankFormat::Jet ? writeJetCopy(bank) : bank.path();
    BankFile::setPath(path);
    OpenBank::conn = openQuestionBank(path);
    WorkFolders::setBase(m_home.path());
    RecordLocation::setFolder(m_home.filePath(QStringLiteral("record")));
    Shell::setLauncher([this](const Shell::Launch &launch) {
        launches.append(launch);
        return true;
    });
    ProgramEnd::setHandler([this](int status) {
        ++programEnds;
        endStatus = status;
    });
    MessageBox::takeLastAsked();
}

AppFixture::~AppFixture()
{
    unloadAllForms();
    resetSharedState();
    BankFile::setPath({});
    WorkFolders::setBase({});
    RecordLocation::setFolder({});
    Shell::setLauncher({});
    ProgramEnd::setHandler({});
}

// The buttons by their names, joined by '+' ("Yes+No"); FirstButton and LastButton only alias two of them.
static QString buttonNames(QMessageBox::StandardButtons buttons)
{
    const QMetaObject &box = QMessageBox::staticMetaObject;
    const QMetaEnum names = box.enumerator(box.indexOfEnumerator("StandardButtons"));
    QStringList found;
    for (int i = 0; i < names.keyCount(); ++i) {
        const QLatin1String name(names.key(i));
        if (buttons.testFlag(QMessageBox::StandardButton(names.value(i))) && names.value(i) != 0
            && name != QLatin1String("FirstButton") && name != QLatin1String("LastButton"))
            found << name;
    }
    return found.join(u'+');
}

QString lastAsked()
{
    const auto asked = MessageBox::takeLastAsked();
    if (!asked)
        return QStringLiteral("(nothing asked)");
    const QMetaObject &box = QMessageBox::staticMetaObject;
    const QMetaEnum icons = box.enumerator(box.indexOfEnumerator("Icon"));
    QStringList parts = {asked->title, asked->text, QString::fromLatin1(icons.valueToKey(asked->icon)),
                         buttonNames(asked->buttons)};
    if (asked->defaultButton != QMessageBox::NoButton)
        parts << QStringLiteral("default ") + buttonNames(asked->defaultButton);
    return parts.join(u'|');
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
