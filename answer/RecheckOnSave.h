#pragma once

#include "judge/Judge.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <chrono>
#include <memory>
#include <vector>

class QLabel;
class TaskCheck;
struct Paper;
struct Task;

// While an answering window is open, each task file the student saves is checked in the
// background, as "检查程序" checks it, once the saving has settled: the headline goes to the label
// of the task's tab ("pro_1.c：全部通过 (4/4)") and the verdict to the task, where the review and
// the score find it. One check at a time per file; a newer save supersedes a running check.
class RecheckOnSave : public QObject
{
    Q_OBJECT
public:
    // labels: of the blank, err and pro tabs. check: the window's "检查程序", whose check of a
    // file makes one of the same saved file needless.
    RecheckOnSave(Paper &paper, const std::array<QLabel *, 3> &labels, const TaskCheck &check);
    ~RecheckOnSave() override;

    // Starts watching the paper's task files in folder (and the folder, where a file may come back).
    void watch(const QString &folder);
    // Stops watching and ends the running checks without verdicts, as the window goes.
    void stop();

    // Test seam: how long a file must stay unsaved before it is checked, for every window.
    static void setSettleTime(std::chrono::milliseconds time);

private:
    struct File
    {
        File(Task *task, int tab, QString path) : task(task), tab(tab), path(std::move(path)) {}

        Task *task;
        int tab; // 0 blank, 1 err, 2 pro
        QString path;
        QTimer settle;
        Judge judge;
        QByteArray source; // the digest of the file as its running check read it
    };

    void changed(const QString &path);
    void folderChanged();
    void settled(File &file);
    void finished(File &file, const Verdict &verdict);
    void tell(const File &file, const QString &text, const QString &colour);

    Paper &m_paper;
    std::array<QLabel *, 3> m_labels;
    const TaskCheck &m_check;
    QString m_folder;
    QFileSystemWatcher m_watcher;
    std::vector<std::unique_ptr<File>> m_files;
};
