#include "data/BankFile.h"

#include "data/BankAccess.h"
#include "data/BankError.h"
#include "data/InstalledBank.h"

#include <QCoreApplication>
#include <QDir>

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
    // Whatever stands at a candidate's place is taken, so that opening it says what is wrong
    // with it; only a place that cannot be seen passes on to the next.
    QStringList places;
    QString denied;
    for (const QString &file : candidates()) {
        const BankAccess::Finding found = BankAccess::check(file);
        if (found.problem != BankAccess::Problem::Missing && found.problem != BankAccess::Problem::FolderDenied)
            return file;
        QString place = QStringLiteral("  ") + QDir::toNativeSeparators(file);
        if (found.problem == BankAccess::Problem::FolderDenied) {
            const QString folder = QDir::toNativeSeparators(found.detail);
            place += QStringLiteral("（没有权限进入文件夹 %1）").arg(folder);
            if (denied.isEmpty())
                denied = folder;
        }
        places << place;
    }
    const QString headline = denied.isEmpty() ? QStringLiteral("找不到题库文件。")
                                              : QStringLiteral("没有权限进入文件夹 %1，无法查找其中的题库文件。").arg(denied);
    throw BankError(QStringLiteral("%1查找过：\n%2").arg(headline, places.join(u'\n')));
}

void BankFile::setPath(const QString &file)
{
    givenPath() = file;
}
