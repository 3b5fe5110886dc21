#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Starting the student's C editor on a task file, and opening a work folder in the file manager.
// Neither waits for the program it starts.
namespace Editor {
// The C editors looked for on PATH, in this order; the first one found is started.
QStringList searchOrder();
// Starts the editor on the file when it exists as an ordinary file, else the editor alone; with no
// editor, the desktop's own application for the file. When nothing could be started, one
// information box over parent says so: the file, the editors looked for, and how to install one.
void launch(QWidget *parent, const QString &file);
void openFolder(const QString &folder);
}
