#pragma once

#include <QString>

#include <exception>

// An error that ends a user action; its text is shown to the user as it stands.
class AppError : public std::exception
{
public:
    // An error whose cause the user has been told of already ends the action without a box.
    enum Repetition { FirstTime, AlreadyShown };

    explicit AppError(QString message, Repetition repetition = FirstTime)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
        , m_repetition(repetition)
    { }

    const QString& message() const noexcept { return m_message; }
    bool alreadyShown() const noexcept { return m_repetition == AlreadyShown; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    Repetition m_repetition;
};
