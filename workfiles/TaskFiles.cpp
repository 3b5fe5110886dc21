#include "workfiles/TaskFiles.h"

#include "workfiles/WorkFileError.h"
#include "workfiles/WorkFolders.h"

#include <QDir>
#include <QSaveFile>
#include <QStringEncoder>

QString TaskFiles::sourceName(const QString &kind, int i)
{
    return QStringLiteral("%1_%2.c").arg(kind).arg(i);
}

QString TaskFiles::dataName(int i)
{
    // The 1 follows the number directly, so it cannot go through arg(): "%11" would be one placeholder.
    return QStringLiteral("data_") + QString::number(i) + QStringLiteral("1.dat");
}

void TaskFiles::write(const QString &folder, const QString &name, const QString &text)
{
    const QString path = WorkFolders::join(folder, name);
    QStringEncoder encode(QStringEncoder::System);
    const QByteArray bytes = encode(text + QStringLiteral("\r\n"));
    // Written aside and renamed into place, so a full disk never leaves half a task file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw WorkFileError(QStringLiteral("无法写入工作文件 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()));
}
