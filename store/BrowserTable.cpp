#include "store/BrowserTable.h"

#include "platform/AppError.h"
#include "store/Database.h"

std::optional<Browser> BrowserTable::find(const QString& nombre)
{
    Cursor cursor
        = m_database.query(QStringLiteral("SELECT nombre, ruta FROM navegadores WHERE nombre = ?"), {nombre});
    if (!cursor.next())
        return std::nullopt;
    return Browser {cursor.text(0), cursor.text(1)};
}

QList<Browser> BrowserTable::all()
{
    QList<Browser> browsers;
    Cursor cursor = m_database.query(QStringLiteral("SELECT nombre, ruta FROM navegadores ORDER BY nombre"));
    while (cursor.next())
        browsers.append(Browser {cursor.text(0), cursor.text(1)});
    return browsers;
}

void BrowserTable::insert(const Browser& browser)
{
    if (find(browser.nombre))
        throw AppError(QStringLiteral("Ya existe un navegador con el nombre %1.").arg(browser.nombre));
    m_database.execute(QStringLiteral("INSERT INTO navegadores (nombre, ruta) VALUES (?, ?)"),
        {browser.nombre, browser.ruta});
}

void BrowserTable::update(const QString& nombre, const Browser& browser)
{
    if (browser.nombre != nombre && find(browser.nombre))
        throw AppError(QStringLiteral("Ya existe un navegador con el nombre %1.").arg(browser.nombre));
    m_database.execute(QStringLiteral("UPDATE navegadores SET nombre = ?, ruta = ? WHERE nombre = ?"),
        {browser.nombre, browser.ruta, nombre});
}

void BrowserTable::remove(const QString& nombre)
{
    m_database.execute(QStringLiteral("DELETE FROM navegadores WHERE nombre = ?"), {nombre});
}

void BrowserTable::clear()
{
    m_database.execute(QStringLiteral("DELETE FROM navegadores"));
}
