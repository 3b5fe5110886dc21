#include "data/SqliteFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

#include <sqlite3.h>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray header(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(100) : QByteArray();
}

// What SQLite would have to write beside the bank to read it, or nothing.
QString writesBeside(const QString &path)
{
    const QByteArray start = header(path);
    // Bytes 18 and 19 of the header are 2 for a database kept in WAL mode.
    if (start.size() >= 20 && (start[18] == 2 || start[19] == 2))
        return QStringLiteral("它以 WAL 方式保存，读取时要在旁边建立共享内存文件");
    const QString journal = path + QStringLiteral("-journal");
    if (QFileInfo(journal).size() > 0)
        return QStringLiteral("旁边留有一次未完成的写入的日志文件 %1，读取前要先用它恢复题库").arg(native(journal));
    return {};
}

}


BankError SqliteFailure::of(const QString &path, const QSqlError &error, int timeLimitMs)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF; // the primary code of an extended one
    const QString file = native(path);
    switch (code) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return BankError(QStringLiteral("题库文件 %1 正被另一个程序锁定（可能正在写入），等了一秒仍无法读取。请关闭那个程序后再试。").arg(file));
    case SQLITE_NOTADB:
        if (header(path).startsWith(QByteArray("SQLite format 3\0", 16)))
            return BankError::damaged(path, QStringLiteral("文件头已损坏"));
        return BankError(QStringLiteral("题库文件 %1 不是题库：它既不是本程序的题库（SQLite 数据库），也不是旧版的题库（Jet 数据库）").arg(file));
    case SQLITE_CORRUPT:
        return BankError::damaged(path, QStringLiteral("文件不完整（可能被截断了）或内容被改动过"));
    case SQLITE_INTERRUPT:
        return BankError::damaged(path, QStringLiteral("读取超过 %1 秒仍未完成").arg(timeLimitMs / 1000.0));
    case SQLITE_IOERR:
        return BankError(QStringLiteral("读取题库文件 %1 时出错（输入输出错误），文件所在的磁盘可能有问题").arg(file));
    case SQLITE_NOMEM:
        return BankError(QStringLiteral("读取题库文件 %1 时内存不足").arg(file));
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN: {
        const QString beside = writesBeside(path);
        if (!beside.isEmpty())
            return BankError(QStringLiteral("题库文件 %1 放在不能写入的地方（只读的光盘、U 盘或文件夹），无法读取：%2。"
                                            "请把题库文件复制到可以写入的文件夹，再用 --bank 指定它。")
                                 .arg(file, beside));
        return BankError(QStringLiteral("无法打开题库文件 %1").arg(file));
    }
    default:
        return BankError(QStringLiteral("无法读取题库文件 %1（SQLite 错误 %2：%3）").arg(file, error.nativeErrorCode(), error.databaseText()));
    }
}
