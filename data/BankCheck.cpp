#include "data/BankCheck.h"

#include "data/BankError.h"

#include <QDir>

const QList<QPair<QString, QStringList>> &BankCheck::tables()
{
    static const QList<QPair<QString, QStringList>> schema = {
        {"chapter", {"id", "title", "content"}},
        {"jdsf", {"id", "title", "content"}},
        {"c_test", {"id", "type", "group_id", "title", "ch1", "ch2", "ch3", "ch4", "ch_answer", "answer", "explain",
                    "content", "data_file", "data_file1"}},
        {"c_excer", {"id_test", "type", "c_id", "title", "ch_1", "ch_2", "ch_3", "ch_4", "answer", "explain",
                     "content", "data_file", "data_file1"}},
    };
    return schema;
}

void BankCheck::requireTables(const QString &path, const FieldsOf &fieldsOf)
{
    const QString where = QDir::toNativeSeparators(path);
    for (const auto &[table, fields] : tables()) {
        QString cause;
        const std::optional<QStringList> found = fieldsOf(table, cause);
        if (!found) {
            const QString missing = QStringLiteral("题库文件 %1 不是有效的题库：缺少表 %2").arg(where, table);
            throw BankError(cause.isEmpty() ? missing : QStringLiteral("%1（%2）").arg(missing, cause));
        }
        for (const QString &field : fields) {
            if (!found->contains(field, Qt::CaseInsensitive))
                throw BankError(QStringLiteral("题库文件 %1 不是有效的题库：表 %2 缺少字段 %3").arg(where, table, field));
        }
    }
}
