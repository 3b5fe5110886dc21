#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Finding the student's C compiler on PATH.
namespace CompilerLookup {

// Looks a program up by name; empty when absent. The default searches PATH.
using Finder = std::function<QString(const QString &name)>;
Finder pathFinder();

// The compilers looked for, in this order: gcc, cc, clang (on Windows gcc only).
QStringList searchOrder();
// The full path of the first compiler found, or empty.
QString find(const Finder &finder);

}
