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
    if (v.isNull())
        return {};
    return readable(field) ? v.toString() : unreadableNotice();
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

bool Record::isNull(const QString &field) const
{
    return value(field).isNull();
}

bool Record::readable(const QString &field) const
{
    const QVariant &v = value(field);
    return v.isNull() || v.typeId() != QMetaType::QByteArray;
}
