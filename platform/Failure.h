#pragma once

#include <QString>
#include <stdexcept>

// A failure the student is told about: the message says in Chinese what went wrong underneath,
// and the window stays usable. The question bank and the work files each have their own kind.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
