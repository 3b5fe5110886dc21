#include "record/RecordLocation.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}
}

QString RecordLocation::folder()
{
    if (!overridden().isEmpty())
        return overridden();
    // Not AppDataLocation: that is named after the application's name, which is the Chinese caption
    // every message box shows; the record keeps the program's short name.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zhiqiao");
}

QString RecordLocation::file()
{
    return QDir(folder()).filePath(QStringLiteral("record.sqlite"));
}

void RecordLocation::setFolder(const QString &folder)
{
    overridden() = folder;
}
