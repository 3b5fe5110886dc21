#pragma once

// What the suites that check students' programs with the real gcc share: a program's text, a
// check waited for, and the processes a program left on the machine.

#include "judge/Judge.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

namespace StudentPrograms {

inline QString program(const QString &includes, const QString &body)
{
    return includes + QStringLiteral("int main(void)\n{\n") + body + QStringLiteral("    return 0;\n}\n");
}

inline Verdict check(Judge &judge, const JudgeTask &task)
{
    QSignalSpy finished(&judge, &Judge::finished);
    if (!judge.start(task))
        qFatal("the judge refused to start");
    if (finished.isEmpty() && !finished.wait(60000))
        qFatal("no verdict within a minute");
    return finished.takeFirst().at(0).value<Verdict>();
}

// The same, by a judge of its own.
inline Verdict check(const JudgeTask &task)
{
    Judge judge;
    return check(judge, task);
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Processes of the machine running a program of that name, zombies left out.
inline int processesNamed(const QString &name)
{
    int count = 0;
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const qsizetype open = line.indexOf('('), close = line.lastIndexOf(')');
        if (close > 0 && line.mid(open + 1, close - open - 1) == name.toUtf8() && line.mid(close + 2, 1) != "Z")
            ++count;
    }
    return count;
}

}
