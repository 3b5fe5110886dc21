#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

class QSqlQuery;

// An open learning record: made with its folder the first time, user-only, in WAL mode (a reader
// never waits for a writer), brought to the current schema. Throws RecordError when it cannot be.
class RecordFile
{
public:
    explicit RecordFile(const QString &path);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    QSqlDatabase &db() { return m_db; }
    const QString &path() const { return m_path; }
    // Runs a prepared statement, or one given as text, throwing RecordError when it fails.
    void exec(QSqlQuery &query) const;
    void run(const QString &statement);

    // Opens the record; a damaged one is moved aside first and a new one started, and movedAside
    // is then its new name.
    static std::unique_ptr<RecordFile> openOrRenew(const QString &path, QString &movedAside);

    // Moves a damaged record and its journal files aside, never deleting them. Returns the new name
    // of the record; throws RecordError when it cannot be moved.
    static QString moveAside(const QString &path);
    // The record at path, kept open from one call to the next: closing a WAL database's last
    // connection writes the log back into it, a wait for the disk each time. drop() closes it,
    // after any fault, so the next call opens the record afresh.
    static RecordFile &kept(const QString &path, QString &movedAside);
    static void drop();

    // Test seam: the record cannot grow past this many pages, as on a full disk; 0 lifts the limit.
    static void setPageLimit(int pages);

private:
    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
};
