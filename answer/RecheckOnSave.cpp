#include "answer/RecheckOnSave.h"

#include "answer/TaskCheck.h"
#include "judge/VerdictText.h"
#include "paper/Paper.h"
#include "workfiles/WorkFolders.h"

#include <QFileInfo>
#include <QLabel>

namespace {

// Long enough that an editor's save (write, rename, touch) ends in one check.
std::chrono::milliseconds settleTime{700};

}

void RecheckOnSave::setSettleTime(std::chrono::milliseconds time)
{
    settleTime = time;
}

RecheckOnSave::RecheckOnSave(Paper &paper, const std::array<QLabel *, 3> &labels, const TaskCheck &check)
    : m_paper(paper), m_labels(labels), m_check(check)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &RecheckOnSave::changed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &RecheckOnSave::folderChanged);
}

RecheckOnSave::~RecheckOnSave()
{
    stop();
}

void RecheckOnSave::watch(const QString &folder)
{
    m_folder = folder;
    const std::array<ProgramSection *, 3> sections = m_paper.sections();
    for (int tab = 0; tab < 3; ++tab) {
        for (int i = 1; i <= sections[tab]->count; ++i) {
            Task &task = (*sections[tab])(i);
            auto file = std::make_unique<File>(&task, tab, WorkFolders::join(folder, task.fileName));
            file->settle.setSingleShot(true);
            connect(&file->settle, &QTimer::timeout, this, [this, f = file.get()] { settled(*f); });
            connect(&file->judge, &Judge::finished, this, [this, f = file.get()](const Verdict &v) { finished(*f, v); });
            if (QFileInfo::exists(file->path))
                m_watcher.addPath(file->path);
            m_files.push_back(std::move(file));
        }
    }
    if (!m_files.empty())
        m_watcher.addPath(folder);
}

void RecheckOnSave::stop()
{
    m_watcher.disconnect(this);
    for (const auto &file : m_files) {
        file->settle.stop();
        file->judge.stop();
    }
}

void RecheckOnSave::changed(const QString &path)
{
    for (const auto &file : m_files) {
        if (file->path != path)
            continue;
        // An editor that saves by replacing the file leaves the watcher with no file to watch.
        if (!m_watcher.files().contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
        file->settle.start(settleTime);
    }
}

// A task file made anew (deleted, then saved again) is watched again from here.
void RecheckOnSave::folderChanged()
{
    const QStringList watched = m_watcher.files();
    for (const auto &file : m_files) {
        if (!watched.contains(file->path) && QFileInfo::exists(file->path)) {
            m_watcher.addPath(file->path);
            file->settle.start(settleTime);
        }
    }
}

void RecheckOnSave::settled(File &file)
{
    const QByteArray source = file.task->sourceDigest(m_folder);
    if (source.isEmpty() || (file.judge.isRunning() && source == file.source))
        return;
    if (file.judge.isRunning()) {
        file.judge.stop();
        m_labels[std::size_t(file.tab)]->clear();
    }
    // Nothing new to judge: the file as last judged, or as "检查程序" is judging it now.
    if ((file.task->verdict && source == file.task->checkedSource) || m_check.isChecking(*file.task, source))
        return;
    file.source = source;
    tell(file, QStringLiteral("正在检查……"), QStringLiteral("black"));
    file.judge.start(file.task->judgeTask(m_folder));
}

void RecheckOnSave::finished(File &file, const Verdict &verdict)
{
    file.task->verdict = verdict;
    file.task->checkedSource = file.source;
    ++file.task->checks;
    tell(file, VerdictText::headline(verdict),
         file.task->passed() ? QStringLiteral("rgb(0, 128, 0)") : QStringLiteral("rgb(192, 0, 0)"));
}

void RecheckOnSave::tell(const File &file, const QString &text, const QString &colour)
{
    QLabel *label = m_labels[std::size_t(file.tab)];
    label->setText(file.task->fileName + QStringLiteral("：") + text);
    label->setStyleSheet(QStringLiteral("color: ") + colour);
}
