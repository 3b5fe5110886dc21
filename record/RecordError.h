#pragma once

#include "platform/Failure.h"

class QSqlError;

// Why the learning record could not be read or written. The message is the reason in Chinese,
// as the student is told it.
class RecordError : public Failure
{
public:
    enum class Fault { Corrupt, Locked, ReadOnly, DiskFull, FolderInPlace, NoFolder, Newer, Other };

    RecordError(Fault fault, const QString &message) : Failure(message), m_fault(fault) {}
    // What SQLite said, told in the student's words.
    static RecordError fromSql(const QSqlError &error, const QString &path);

    Fault fault() const { return m_fault; }

private:
    Fault m_fault;
};
