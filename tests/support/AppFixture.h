#pragma once

#include "platform/Shell.h"

#include <QList>
#include <QTemporaryDir>

class TestBank;

// The store a window test runs on: the program's own bank, or a Jet copy of it.
enum class BankFormat { Sqlite, Jet };
// A test's data: the column "format" with a row for each store.
void addBankFormatRows();
// A test's data: the column "byCloseBox", a row closing the window by the named button, one by
// its close box.
void addCloseRows(const char *button);

// Puts the program into a known state for a window test: the given bank opened as the shared
// connection (in the given format), fresh shared state, work folders and the learning record in
// a temporary home, launches recorded instead of started, and the program's end recorded instead
// of quitting.
class AppFixture
{
public:
    explicit AppFixture(const TestBank &bank, BankFormat format = BankFormat::Sqlite);
    ~AppFixture();

    QString workBase() const { return m_home.path(); }
    QList<Shell::Launch> launches;
    int programEnds = 0;
    int endStatus = 0; // of the last end

private:
    QTemporaryDir m_home;
};

// Resets what outlives a window to its value at program start: the open bank and the exercise clock.
void resetSharedState();
// Destroys every window that is loaded, as if the program had just started.
void unloadAllForms();

// The message asked last, as "title|text|icon|buttons[|default button]" ("信息提示|请选择一组练习题!|Critical|Ok"),
// so that one comparison checks all the student is shown; "(nothing asked)" when none was.
QString lastAsked();
// Lets deleteLater() take effect, as a return to the event loop would.
void settle();
