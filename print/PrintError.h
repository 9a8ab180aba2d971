#pragma once

#include <QString>
#include <stdexcept>

// A print job or an output file that could not be made.
class EPrintError : public std::runtime_error {
public:
    explicit EPrintError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
