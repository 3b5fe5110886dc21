#include "data/Record.h"

#include "data/BankError.h"

const QVariant &Record::value(const QString &field) const
{
    const auto it = m_fields.constFind(field);
    if (it == m_fields.constEnd())
        throw BankError(QStringLiteral("题库记录中没有字段 %1").arg(field));
    return *it;
}

QString Record::text(const QString &field) const
{
    const QVariant &v = value(field);
    return v.isNull() ? QString() : v.toString();
}

qsizetype Record::actualSize(const QString &field) const
{
    const QVariant &v = value(field);
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray().size();
    return v.toString().toUtf8().size();
}
