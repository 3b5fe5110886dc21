#pragma once

#include <QString>
#include <QStringList>

// Starting the student's C editor on a task file, and opening a work folder in the file manager.
// Neither waits for the program it starts, and neither reports a failure.
namespace Editor {
// The C editors looked for on PATH, in this order; the first one found is started.
QStringList searchOrder();
// Starts the editor on the file when it exists as an ordinary file, else the editor alone.
void launch(const QString &file);
void openFolder(const QString &folder);
}
