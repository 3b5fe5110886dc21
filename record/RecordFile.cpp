#include "record/RecordFile.h"

#include "record/RecordError.h"
#include "record/RecordSchema.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>

namespace {

// Another program writing a run holds the file for milliseconds; more than this is a lock held on purpose.
constexpr int kLockedWaitMs = 250;

int s_pageLimit = 0;
int s_connections = 0;
std::unique_ptr<RecordFile> s_kept;

void makeFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return;
    if (!QDir().mkpath(folder))
        throw RecordError(RecordError::Fault::NoFolder,
                          QStringLiteral("无法建立学习记录文件夹 %1").arg(QDir::toNativeSeparators(folder)));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// SQLite would make the file with the umask's permissions; made here first it is the user's alone,
// and SQLite gives its journal files the same.
void makeFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw RecordError(RecordError::Fault::FolderInPlace, QStringLiteral("学习记录文件的位置上是一个文件夹"));
    if (info.exists())
        return;
    QFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner))
        return;
    if (errno == ENOSPC)
        throw RecordError(RecordError::Fault::DiskFull, QStringLiteral("磁盘已满"));
    if (errno == EACCES || errno == EROFS)
        throw RecordError(RecordError::Fault::ReadOnly, QStringLiteral("没有在学习记录文件夹中建立文件的权限"));
    throw RecordError(RecordError::Fault::Other, QStringLiteral("无法建立学习记录文件（%1）").arg(file.errorString()));
}

}

RecordFile::RecordFile(const QString &path) : m_path(path), m_connection(QStringLiteral("zq-record-%1").arg(++s_connections))
{
    makeFolder(QFileInfo(path).absolutePath());
    makeFile(path);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kLockedWaitMs));
    try {
        if (!m_db.open())
            throw RecordError::fromSql(m_db.lastError(), path);
        // Read first: a file that is no database says so here, before anything is written.
        run(QStringLiteral("pragma user_version"));
        run(QStringLiteral("pragma journal_mode = wal"));
        // In WAL mode a commit is safe from a crash of the program without waiting for the disk.
        run(QStringLiteral("pragma synchronous = normal"));
        run(QStringLiteral("pragma foreign_keys = on"));
        if (s_pageLimit)
            run(QStringLiteral("pragma max_page_count = %1").arg(s_pageLimit));
        RecordSchema::migrate(m_db, path);
    } catch (...) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw;
    }
}

RecordFile::~RecordFile()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

void RecordFile::exec(QSqlQuery &query) const
{
    if (!query.exec())
        throw RecordError::fromSql(query.lastError(), m_path);
}

void RecordFile::run(const QString &statement)
{
    QSqlQuery query(m_db);
    if (!query.exec(statement))
        throw RecordError::fromSql(query.lastError(), m_path);
}

std::unique_ptr<RecordFile> RecordFile::openOrRenew(const QString &path, QString &movedAside)
{
    try {
        return std::make_unique<RecordFile>(path);
    } catch (const RecordError &error) {
        if (error.fault() != RecordError::Fault::Corrupt)
            throw;
    }
    movedAside = moveAside(path);
    return std::make_unique<RecordFile>(path);
}

RecordFile &RecordFile::kept(const QString &path, QString &movedAside)
{
    // A record deleted while open (a reset) would take the next runs with it.
    if (s_kept && (s_kept->path() != path || !QFileInfo::exists(path)))
        s_kept.reset();
    if (!s_kept) {
        static const bool closedAtExit = [] {
            qAddPostRoutine(&RecordFile::drop); // before Qt's SQL driver goes
            return true;
        }();
        Q_UNUSED(closedAtExit);
        s_kept = openOrRenew(path, movedAside);
    }
    return *s_kept;
}

void RecordFile::drop()
{
    s_kept.reset();
}

void RecordFile::setPageLimit(int pages)
{
    s_pageLimit = pages;
}

QString RecordFile::moveAside(const QString &path)
{
    const QString suffix = QDateTime::currentDateTime().toString(QStringLiteral("'.damaged-'yyyyMMdd-HHmmss"));
    QString aside = path + suffix;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + suffix + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(path, aside))
        throw RecordError(RecordError::Fault::Corrupt,
                          QStringLiteral("学习记录文件已损坏，且无法改名移开（%1）").arg(QDir::toNativeSeparators(path)));
    // The journals belong to the damaged file: left here they would be read into the new one.
    for (const QString &journal : {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        if (QFileInfo::exists(path + journal))
            QFile::rename(path + journal, aside + journal);
    return aside;
}
