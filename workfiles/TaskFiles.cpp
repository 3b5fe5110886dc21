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
using HandedOutFiles = QHash<QString, HandedOut>; // by file name

// The record of the task files handed out into a work folder lies beside the folder, hidden in
// its parent ("c_zhiqiao/.test.handed-out"): the folder is emptied by every clean-up, and a later
// run must still tell a file the student never touched from the student's work.
struct RecordPlace
{
    QString folder;
    QString name;
};

RecordPlace recordOf(const QString &workFolder)
{
    const QFileInfo folder(QDir::cleanPath(workFolder));
    return {folder.absolutePath(), QStringLiteral(".%1.handed-out").arg(folder.fileName())};
}

// One line a file: name, size and SHA-256 in hex, separated by tabs. A record that cannot be read
// counts as empty: the files then go to the history, which loses nothing.
HandedOutFiles readRecord(const RecordPlace &place)
{
    HandedOutFiles files;
    QFile file(WorkFolders::join(place.folder, place.name));
    if (!file.open(QIODevice::ReadOnly))
        return files;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 3)
            files.insert(QString::fromUtf8(fields[0]), {fields[1].toLongLong(), QByteArray::fromHex(fields[2])});
    }
    return files;
}

QByteArray recordText(const HandedOutFiles &files)
{
    QByteArray text;
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        text += file.key().toUtf8() + '\t' + QByteArray::number(file->size) + '\t' + file->digest.toHex() + '\n';
    return text;
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
    const RecordPlace record = recordOf(folder);
    HandedOutFiles files = readRecord(record);
    files.insert(name, {bytes.size(), digest(bytes)});
    // A record that cannot be written costs only a history run of untouched files at the next clean-up.
    replaceFile(record.folder, record.name, recordText(files));
}

bool TaskFiles::isAsHandedOut(const QString &path)
{
    const QFileInfo info(path);
    const HandedOutFiles files = readRecord(recordOf(info.absolutePath()));
    const auto written = files.constFind(info.fileName());
    if (written == files.cend() || info.isSymLink() || !info.isFile() || info.size() != written->size)
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && digest(file.readAll()) == written->digest;
}
