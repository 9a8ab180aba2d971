#pragma once

#include <QString>
#include <stdexcept>

// The arithmetic fault: division by zero, an invalid operation, or a result out of range.
class EMathError : public std::runtime_error {
public:
    enum class Kind { ZeroDivide, InvalidOp, Overflow };
    EMathError(Kind kind, const char* message) : std::runtime_error(message), m_kind(kind) {}
    Kind kind() const { return m_kind; }

    static EMathError zeroDivide() { return {Kind::ZeroDivide, "Floating point division by zero"}; }
    static EMathError invalidOp() { return {Kind::InvalidOp, "Invalid floating point operation"}; }
    static EMathError overflow() { return {Kind::Overflow, "Floating point overflow"}; }

private:
    Kind m_kind;
};

// A text that is not a valid number.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

    static EConvertError notInteger(const QString& text)
    {
        return EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    static EConvertError notFloat(const QString& text)
    {
        return EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }

private:
    QString m_message;
};
