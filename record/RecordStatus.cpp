#include "record/RecordStatus.h"

#include <QDir>
#include <QFileInfo>

QString RecordStatus::notice(RunKind kind) const
{
    if (!recorded)
        return QStringLiteral("本次%1未能记入学习记录：%2。\n\n学习记录文件：%3").arg(runKindName(kind), reason, QDir::toNativeSeparators(file));
    if (!movedAside.isEmpty())
        return QStringLiteral("学习记录文件已损坏，已改名为 %1 留在原处，并新建了学习记录；本次%2已记入新的学习记录。")
            .arg(QFileInfo(movedAside).fileName(), runKindName(kind));
    return {};
}
