#pragma once

#include "platform/Failure.h"

#include <QDir>

// A failure of the question bank: the file cannot be opened, is not a bank, or a query failed.
class BankError : public Failure
{
public:
    using Failure::Failure;

    // The bank file is damaged: what is wrong with it, in words. Only a new copy mends it.
    static BankError damaged(const QString &path, const QString &what)
    {
        return BankError(QStringLiteral("题库文件 %1 已损坏，无法读取：%2。请重新安装题库文件。").arg(QDir::toNativeSeparators(path), what));
    }
};
