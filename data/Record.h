#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

// One row of a query, read by field name. A field that holds no value (NULL) reads as empty text.
class Record
{
public:
    Record() = default;
    explicit Record(QVariantMap fields) : m_fields(std::move(fields)) {}

    // The field's value as text. Asking for a field the row does not have is a BankError.
    QString text(const QString &field) const;
    // The field's actual size in bytes (0 for NULL or empty), as the tests for "not empty" use it.
    qsizetype actualSize(const QString &field) const;

private:
    const QVariant &value(const QString &field) const;
    QVariantMap m_fields;
};

using RecordSet = QList<Record>;
