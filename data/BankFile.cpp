#include "data/BankFile.h"

#include "data/BankError.h"
#include "data/InstalledBank.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString &givenPath()
{
    static QString file;
    return file;
}

// The folders that may hold the bank, in the order they are tried.
QStringList bankFolders()
{
    return {
        QCoreApplication::applicationDirPath() + QStringLiteral("/dbase"),
        InstalledBank::folder(QCoreApplication::applicationDirPath()),
    };
}
}

QStringList BankFile::candidates()
{
    QStringList files;
    for (const QString &folder : bankFolders()) {
        files << folder + QStringLiteral("/c_qiyuan.db");
        files << folder + QStringLiteral("/c_qiyuan.mdb");
    }
    return files;
}

QString BankFile::path()
{
    if (!givenPath().isEmpty())
        return givenPath();
    const QStringList tried = candidates();
    for (const QString &file : tried) {
        if (QFileInfo::exists(file))
            return file;
    }
    QStringList places;
    for (const QString &file : tried)
        places << QStringLiteral("  ") + QDir::toNativeSeparators(file);
    throw BankError(QStringLiteral("找不到题库文件。查找过：\n%1").arg(places.join(u'\n')));
}

void BankFile::setPath(const QString &file)
{
    givenPath() = file;
}
