#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// An SQL statement built line by line with its values between double quotes, the way the
// program writes its statements. The text reads exactly as written, while every quoted
// value runs as a bound parameter: a value can never change what the statement does.
class Statement
{
public:
    // Starts a new line with literal SQL.
    Statement& line(QStringView sql = {});
    // Appends literal SQL to the current line.
    Statement& text(QStringView sql);
    // Appends a value written between double quotes.
    Statement& quoted(const QString& value);
    // Appends a date and time, written as the locale's short date and long time; it is
    // stored in a form that sorts chronologically.
    Statement& quoted(const QDateTime& value);

    const QStringList& lines() const { return m_lines; }
    // The lines joined by line breaks, as the statement reads.
    QString sql() const;
    // The statement as it runs: "?" for every quoted value.
    QString boundSql() const;
    const QVariantList& values() const { return m_values; }

private:
    void append(const QString& shown, const QString& bound);

    QStringList m_lines;
    QStringList m_boundLines;
    QVariantList m_values;
};

// The stored form of date and time values: sorts as text in chronological order.
namespace StoredDateTime {
QString toText(const QDateTime& value);
QDateTime fromText(const QString& text);
} // namespace StoredDateTime
