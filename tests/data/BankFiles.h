#pragma once

// What the bank suites share: the message a bank is refused with, and a file's bytes read and
// written whole.

#include "data/BankError.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// The message of the BankError that open() throws; empty when it throws none.
template <class Open>
QString bankFailure(Open open)
{
    try {
        open();
    } catch (const BankError &e) {
        return e.message();
    }
    return {};
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
