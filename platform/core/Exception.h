#pragma once
#include <QString>
#include <stdexcept>

// The program's own exception: a message the user can read, in the program's language.
// Deep code throws it with context; action handlers and the top-level handler show Message().
class Exception : public std::runtime_error
{
public:
    explicit Exception(const QString& message);
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};
