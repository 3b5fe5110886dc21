#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Starts other programs without waiting for them: the student's C editor and the file manager.
// Nothing here tells the student anything; callers decide what a program that did not start means.
class Shell
{
public:
    struct Launch
    {
        QString program;
        QStringList arguments;
    };

    // Starts the program detached. Returns whether it started (callers may ignore it).
    static bool start(const Launch &launch);

    // Test seam: launches go to this function instead of the system. Pass {} to restore.
    static void setLauncher(std::function<bool(const Launch &)> launcher);

    // Looks a program up on PATH; empty when absent.
    static QString findProgram(const QString &name);

private:
    static std::function<bool(const Launch &)> s_launcher;
};
