#include "workfiles/TaskFiles.h"

#include "workfiles/WorkFileError.h"
#include "workfiles/WorkFolders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringEncoder>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

struct HandedOut
{
    qint64 size;
    QByteArray digest;
};

// Every task file written this run, by path.
QHash<QString, HandedOut> &handedOut()
{
    static QHash<QString, HandedOut> files;
    return files;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            return false;
        done += qMax<ssize_t>(n, 0);
    }
    return true;
}

// Writes the bytes to a new hidden file beside path and renames it over path. The new file is made
// with O_EXCL, so no link is followed; the rename replaces whatever path was, a link included, and
// only once the whole text is written, so a full disk leaves the old file or none, never half of
// one. No sync: a task file is a scratch copy that the next start writes again from the bank.
// Returns the system's reason on failure, else an empty text.
QString replaceFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(WorkFolders::join(folder, name));
    static unsigned serial = 0;
    QByteArray temporary;
    int fd = -1;
    while (fd < 0) {
        temporary = QFile::encodeName(WorkFolders::join(folder, QStringLiteral(".%1.%2-%3.tmp")
                                                                    .arg(name).arg(getpid()).arg(++serial)));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return qt_error_string(errno);
    }
    const auto failed = [&](int error) {
        ::unlink(temporary.constData());
        return qt_error_string(error);
    };
    if (!writeAll(fd, bytes)) {
        const int error = errno;
        ::close(fd);
        return failed(error);
    }
    if (::close(fd) != 0 || ::rename(temporary.constData(), target.constData()) != 0)
        return failed(errno);
    return {};
}

}

QString TaskFiles::sourceName(const QString &kind, int i)
{
    return QStringLiteral("%1_%2.c").arg(kind).arg(i);
}

QString TaskFiles::dataName(int i)
{
    // The 1 follows the number directly, so it cannot go through arg(): "%11" would be one placeholder.
    return QStringLiteral("data_") + QString::number(i) + QStringLiteral("1.dat");
}

void TaskFiles::write(const QString &folder, const QString &name, const QString &text)
{
    const QString path = WorkFolders::join(folder, name);
    QStringEncoder encode(QStringEncoder::System);
    const QByteArray bytes = encode(text + QStringLiteral("\r\n"));
    const QString failure = replaceFile(folder, name, bytes);
    if (!failure.isEmpty())
        throw WorkFileError(QStringLiteral("无法写入工作文件 %1：%2").arg(QDir::toNativeSeparators(path), failure));
    handedOut().insert(QDir::cleanPath(path), {bytes.size(), digest(bytes)});
}

QByteArray TaskFiles::digest(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink() || !info.isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return ::digest(file.readAll());
}

bool TaskFiles::isAsHandedOut(const QString &path)
{
    const auto written = handedOut().constFind(QDir::cleanPath(path));
    const QFileInfo info(path);
    if (written == handedOut().cend() || info.isSymLink() || !info.isFile() || info.size() != written->size)
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && digest(file.readAll()) == written->digest;
}
