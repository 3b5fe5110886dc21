#pragma once

#include <QString>
#include <QStringList>

// What the program is asked on its command line:
//   zhiqiao [--bank FILE]    start, on the given bank file
//   zhiqiao --help | --version
// Texts are Chinese, English where the system's language is not Chinese.
struct CommandLine
{
    enum class Action {
        Run,         // start the program
        Print,       // print output on standard output and end with status 0 (help, version)
        Refuse,      // print output on standard error and end with status 2, no window shown
    };

    Action action = Action::Run;
    QString bankFile; // given with --bank; empty: the usual places
    QString output;

    // arguments: as the program got them, its own name first. The version printed is the
    // application's version.
    static CommandLine parse(const QStringList &arguments);
};
