#pragma once

#include <QString>
#include <stdexcept>

// A work file that could not be deleted or written; the message names the file and the cause.
class WorkFileError : public std::runtime_error
{
public:
    explicit WorkFileError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
