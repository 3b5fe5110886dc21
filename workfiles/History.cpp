#include "workfiles/History.h"

#include "workfiles/SystemReason.h"
#include "workfiles/WorkFileError.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <tuple>

namespace {

// A run's place in time: its stamp, then its number within the second (1 without a suffix).
struct Run
{
    QString stamp;
    int number;
    QString name;
};

QList<Run> runsIn(const QString &folder)
{
    static const QRegularExpression named(QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d{6})(?:-(\\d+))?$"));
    QList<Run> runs;
    for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = named.match(name);
        if (match.hasMatch())
            runs.append({match.captured(1), match.captured(2).isEmpty() ? 1 : match.captured(2).toInt(), name});
    }
    std::sort(runs.begin(), runs.end(),
              [](const Run &a, const Run &b) { return std::tie(a.stamp, a.number) < std::tie(b.stamp, b.number); });
    return runs;
}

// A new, empty run folder; mkdir never reuses a name that exists, a link's included.
QString newRun(const QString &history)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    for (int number = 1;; ++number) {
        const QString run = WorkFolders::join(history, number == 1 ? stamp : QStringLiteral("%1-%2").arg(stamp).arg(number));
        if (::mkdir(QFile::encodeName(run).constData(), 0777) == 0)
            return run;
        if (errno != EEXIST)
            throw WorkFileError(QStringLiteral("无法建立历史文件夹 %1：%2").arg(run, SystemReason::of(errno)));
    }
}

// Removes a folder with everything in it, removing links as links and never looking behind one.
void removeTree(const QString &folder)
{
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString entry = entries.next();
        const QFileInfo info = entries.fileInfo();
        if (info.isDir() && !info.isSymLink())
            removeTree(entry);
        else
            QFile::remove(entry);
    }
    QDir().rmdir(folder);
}

// A run that cannot be removed stays: nothing is lost, and the next clean-up tries again.
void removeOldRuns(const QString &history)
{
    const QList<Run> runs = runsIn(history);
    for (qsizetype i = 0; i + History::kept < runs.size(); ++i) {
        const QString run = WorkFolders::join(history, runs[i].name);
        const QFileInfo info(run);
        if (info.isDir() && !info.isSymLink())
            removeTree(run);
        else
            QFile::remove(run);
    }
}

bool overlap(const QString &a, const QString &b)
{
    return a == b || WorkFolders::isInside(a, b) || WorkFolders::isInside(b, a);
}

// The history never lies in a folder that a clean-up empties, nor a work folder in the history
// (removing an old run would take it along).
void checkApart(const QString &history)
{
    for (const WorkKind kind : {WorkKind::Test, WorkKind::Exercise}) {
        const QString work = QFileInfo(WorkFolders::path(kind)).canonicalFilePath();
        if (!work.isEmpty() && overlap(history, work))
            throw WorkFileError(QStringLiteral("历史文件夹 %1 与工作文件夹 %2 重叠（可能是符号链接所致）。").arg(history, work));
    }
}

// The kind's history folder, made ready as the work folders are, under the same rule for links.
QString readyHistory(WorkKind kind)
{
    QStringList levels = WorkFolders::levels(kind);
    levels.insert(levels.size() - 1, QStringLiteral("history"));
    const QString history = WorkFolders::ready(levels);
    checkApart(history);
    return history;
}

}

void History::keep(WorkKind kind, const QString &workFolder, const QStringList &names)
{
    if (names.isEmpty())
        return;
    const auto refused = [&](const QString &name, const QString &cause) {
        return WorkFileError(QStringLiteral("无法把工作文件 %1 移入历史文件夹：%2")
                                 .arg(QDir::toNativeSeparators(WorkFolders::join(workFolder, name)), cause));
    };
    QString history;
    QString run;
    try {
        history = readyHistory(kind);
        run = newRun(history);
    } catch (const WorkFileError &error) {
        throw refused(names.first(), error.message());
    }
    for (const QString &name : names) {
        // rename moves a link itself, never what it points to.
        const QByteArray from = QFile::encodeName(WorkFolders::join(workFolder, name));
        const QByteArray to = QFile::encodeName(WorkFolders::join(run, name));
        if (std::rename(from.constData(), to.constData()) != 0) {
            const WorkFileError error = refused(name, SystemReason::of(errno));
            QDir().rmdir(run); // only when nothing went into it
            throw error;
        }
    }
    removeOldRuns(history);
}
