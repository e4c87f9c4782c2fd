#include "store/Statement.h"

#include <QLocale>

namespace {
const QString StoredFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
}

Statement& Statement::line(QStringView sql)
{
    m_lines.append(sql.toString());
    m_boundLines.append(sql.toString());
    return *this;
}

Statement& Statement::text(QStringView sql)
{
    append(sql.toString(), sql.toString());
    return *this;
}

Statement& Statement::quoted(const QString& value)
{
    append(u'"' + value + u'"', QStringLiteral("?"));
    m_values.append(value);
    return *this;
}

Statement& Statement::quoted(const QDateTime& value)
{
    const QLocale locale;
    const QString shown = locale.toString(value.date(), QLocale::ShortFormat) + u' '
        + locale.toString(value.time(), QLocale::LongFormat);
    append(u'"' + shown + u'"', QStringLiteral("?"));
    m_values.append(StoredDateTime::toText(value));
    return *this;
}

QString Statement::sql() const
{
    return m_lines.join(u'\n');
}

QString Statement::boundSql() const
{
    return m_boundLines.join(u'\n');
}

void Statement::append(const QString& shown, const QString& bound)
{
    if (m_lines.isEmpty())
        line();
    m_lines.last() += shown;
    m_boundLines.last() += bound;
}

namespace StoredDateTime {

QString toText(const QDateTime& value)
{
    return value.isValid() ? value.toString(StoredFormat) : QString();
}

QDateTime fromText(const QString& text)
{
    return QDateTime::fromString(text, StoredFormat);
}

} // namespace StoredDateTime
