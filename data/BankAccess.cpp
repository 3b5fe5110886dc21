#include "data/BankAccess.h"

#include "data/BankError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int statError(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? 0 : errno;
}

// The first folder on the way to path that may not be entered.
QString deniedFolder(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString folder = QStringLiteral("/");
    for (const QString &part : absolute.split(u'/', Qt::SkipEmptyParts)) {
        const QString next = folder.endsWith(u'/') ? folder + part : folder + u'/' + part;
        if (statError(next) == EACCES)
            return folder;
        folder = next;
    }
    return QFileInfo(absolute).path();
}

}

BankAccess::Finding BankAccess::check(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        const int error = errno;
        if (error == EACCES)
            return {Problem::FolderDenied, deniedFolder(path)};
        if (error == ENOENT || error == ENOTDIR)
            return {Problem::Missing, {}};
        return {Problem::Other, QString::fromLocal8Bit(std::strerror(error))};
    }
    if (S_ISDIR(st.st_mode))
        return {Problem::Folder, {}};
    // A pipe or device would block the opening or be read forever.
    if (!S_ISREG(st.st_mode))
        return {Problem::NotAFile, {}};
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM)
            return {Problem::FileDenied, {}};
        return {Problem::Other, QString::fromLocal8Bit(std::strerror(error))};
    }
    // What was opened may have replaced what was looked at.
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    if (!regular)
        return {Problem::NotAFile, {}};
    return {};
}

QString BankAccess::message(const QString &path, const Finding &finding)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (finding.problem) {
    case Problem::None: return {};
    case Problem::Missing: return QStringLiteral("找不到题库文件 %1").arg(file);
    case Problem::Folder: return QStringLiteral("题库文件 %1 是一个文件夹，不是题库文件").arg(file);
    case Problem::NotAFile: return QStringLiteral("题库文件 %1 不是普通文件（可能是管道或设备），不能作为题库").arg(file);
    case Problem::FolderDenied:
        return QStringLiteral("没有权限进入文件夹 %1，无法读取其中的题库文件 %2").arg(QDir::toNativeSeparators(finding.detail), file);
    case Problem::FileDenied: return QStringLiteral("没有权限读取题库文件 %1").arg(file);
    case Problem::Other: return QStringLiteral("无法读取题库文件 %1：%2").arg(file, finding.detail);
    }
    return {};
}

void BankAccess::requireReadable(const QString &path)
{
    const Finding finding = check(path);
    if (finding.problem != Problem::None)
        throw BankError(message(path, finding));
}
