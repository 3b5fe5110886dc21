#include "data/BankCheck.h"

#include "data/BankError.h"
#include "data/BankSchema.h"

#include <QDir>

QStringList BankCheck::requireTables(const QString &path, const FieldsOf &fieldsOf)
{
    const QString where = QDir::toNativeSeparators(path);
    QStringList held;
    for (const BankSchema::Table &t : BankSchema::tables()) {
        const QString &table = t.name;
        const std::optional<QStringList> found = fieldsOf(table);
        if (!found && !t.required)
            continue;
        if (!found)
            throw BankError(QStringLiteral("题库文件 %1 不是有效的题库：缺少表 %2").arg(where, table));
        for (const auto &[field, type] : t.fields) {
            if (!found->contains(field, Qt::CaseInsensitive))
                throw BankError(QStringLiteral("题库文件 %1 不是有效的题库：表 %2 缺少字段 %3").arg(where, table, field));
        }
        held << table;
    }
    return held;
}
