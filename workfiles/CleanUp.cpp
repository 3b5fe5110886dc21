#include "workfiles/CleanUp.h"

#include "workfiles/History.h"
#include "workfiles/TaskFiles.h"
#include "workfiles/WorkFileError.h"

#include <QDir>
#include <QFile>

void CleanUp::emptyFolderIfAny(WorkKind kind, const QString &folder, const QStringList &wildcards)
{
    const bool holdsAny = std::any_of(wildcards.begin(), wildcards.end(), [&](const QString &w) {
        return !WorkFolders::DirFirst(WorkFolders::join(folder, w)).isEmpty();
    });
    if (!holdsAny)
        return;
    QStringList untouched;
    QStringList studentsWork;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        (TaskFiles::isAsHandedOut(WorkFolders::join(folder, name)) ? untouched : studentsWork) << name;
    History::keep(kind, folder, studentsWork);
    for (const QString &name : untouched) {
        QFile file(WorkFolders::join(folder, name));
        if (!file.remove())
            throw WorkFileError(QStringLiteral("无法删除工作文件 %1：%2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
    }
}
