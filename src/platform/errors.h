#pragma once

#include <QString>
#include <stdexcept>

// An error the program does not expect (a rejected statement, a settings file that cannot be
// written). Commands let it propagate to the one place that reports it.
class MirvoError : public std::runtime_error
{
public:
    explicit MirvoError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    QString message() const { return m_message; }

private:
    QString m_message;
};
