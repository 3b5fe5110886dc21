#include "workfiles/WorkFolderLock.h"

#include "workfiles/WorkFileError.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <memory>

namespace {

std::unique_ptr<QLockFile> &held(WorkKind kind)
{
    static std::unique_ptr<QLockFile> locks[2];
    return locks[kind == WorkKind::Test ? 0 : 1];
}

}

void WorkFolderLock::take(WorkKind kind, const QString &folder)
{
    if (held(kind))
        return;
    const QFileInfo work(folder);
    auto lock = std::make_unique<QLockFile>(WorkFolders::join(work.path(), work.fileName() + QStringLiteral(".lock")));
    // Stale only when the copy that took it is gone, however long ago it was taken.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        held(kind) = std::move(lock);
        return;
    }
    if (lock->error() == QLockFile::LockFailedError)
        throw WorkFileError(QStringLiteral("工作文件夹 %1 正由本程序的另一个窗口使用（另一个正在运行的“智桥辅导学习系统-C语言”）。"
                                           "请先在那个窗口中结束练习，再在这里开始。")
                                .arg(QDir::toNativeSeparators(folder)));
}

void WorkFolderLock::release(WorkKind kind)
{
    held(kind).reset();
}

bool WorkFolderLock::isHeld(WorkKind kind)
{
    return held(kind) != nullptr;
}
