#pragma once

#include <QString>
#include <stdexcept>

// A failure of the question bank: the file cannot be opened, is not a bank, or a query failed.
// The message is meant for the student and says what went wrong underneath.
class BankError : public std::runtime_error
{
public:
    explicit BankError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
