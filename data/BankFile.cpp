#include "data/BankFile.h"

#include <QCoreApplication>

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
    return QCoreApplication::applicationDirPath() + QStringLiteral("/dbase/c_qiyuan.db");
}

void BankFile::setPath(const QString &file)
{
    overridePath() = file;
}
