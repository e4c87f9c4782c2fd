#pragma once

#include <QString>

#include <exception>

// An error that ends a user action; its text is shown to the user as it stands.
class AppError : public std::exception
{
public:
    explicit AppError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    { }

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
