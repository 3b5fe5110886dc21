#pragma once

#include <QStringList>

// The tables of a question bank, as the bank tool writes them and the tests build them.
namespace BankSchema {
QStringList createStatements();
}
