#include "platform/Shell.h"

#include <QProcess>
#include <QStandardPaths>

std::function<bool(const Shell::Launch &)> Shell::s_launcher;

bool Shell::start(const Launch &launch)
{
    if (s_launcher)
        return s_launcher(launch);
    return QProcess::startDetached(launch.program, launch.arguments);
}

void Shell::setLauncher(std::function<bool(const Launch &)> launcher)
{
    s_launcher = std::move(launcher);
}

QString Shell::findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}
