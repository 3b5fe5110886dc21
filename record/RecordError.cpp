#include "record/RecordError.h"

#include <QFileInfo>
#include <QSqlError>

RecordError RecordError::fromSql(const QSqlError &error, const QString &path)
{
    switch (error.nativeErrorCode().toInt() & 0xFF) { // the primary code of an extended one
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
        return {Fault::Locked, QStringLiteral("学习记录文件正被另一个程序使用")};
    case 8:  // SQLITE_READONLY
        return {Fault::ReadOnly, QStringLiteral("没有写入学习记录文件的权限")};
    case 13: // SQLITE_FULL
        return {Fault::DiskFull, QStringLiteral("磁盘已满")};
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return {Fault::Corrupt, QStringLiteral("学习记录文件已损坏")};
    case 14: // SQLITE_CANTOPEN
        if (QFileInfo(path).isDir())
            return {Fault::FolderInPlace, QStringLiteral("学习记录文件的位置上是一个文件夹")};
        return {Fault::ReadOnly, QStringLiteral("无法打开学习记录文件（没有权限？）")};
    default:
        return {Fault::Other, QStringLiteral("学习记录文件无法读写（%1）").arg(error.text())};
    }
}
