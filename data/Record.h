#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

// One row of a query, read by field name. A field that holds no value (NULL) reads as empty text.
// A field whose value is no text the program can show (binary data, or bytes that are not UTF-8)
// comes from the stores as a QByteArray: it reads as a notice saying so, never as garbled text.
class Record
{
public:
    Record() = default;
    explicit Record(QVariantMap fields) : m_fields(std::move(fields)) {}

    // The notice an unreadable field reads as.
    static QString unreadableNotice() { return QStringLiteral("（二进制数据，无法显示）"); }

    // The field's value as text. Asking for a field the row does not have is a BankError.
    QString text(const QString &field) const;
    // The field's actual size in bytes (0 for NULL or empty), as the tests for "not empty" use it.
    qsizetype actualSize(const QString &field) const;
    bool isNull(const QString &field) const;
    // Whether the field holds text that can be shown and written (NULL and numbers can).
    bool readable(const QString &field) const;

private:
    const QVariant &value(const QString &field) const;
    QVariantMap m_fields;
};

using RecordSet = QList<Record>;
