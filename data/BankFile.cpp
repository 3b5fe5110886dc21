#include "data/BankFile.h"

#include "dist/InstalledBank.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString &overridePath()
{
    static QString file;
    return file;
}
}

QString BankFile::path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString beside = programFolder + QStringLiteral("/dbase/c_qiyuan.db");
    if (QFileInfo::exists(beside))
        return beside;
    return InstalledBank::folder(programFolder) + QStringLiteral("/c_qiyuan.db");
}

void BankFile::setPath(const QString &file)
{
    overridePath() = file;
}
