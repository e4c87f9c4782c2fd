#include "store/LinkTable.h"

#include "store/Database.h"

namespace {

constexpr qsizetype TitleWidth = 100;
constexpr qsizetype CodeWidth = 10;

// Titles and the keys of groups and browsers fit their columns; addresses stay whole, since
// a cut address opens another page.
QVariantList valuesOf(const Link& link)
{
    return {LinkTable::storedTitle(link.titulo), link.direccion, link.codgrupo.left(CodeWidth),
        link.prioridad, link.tipo, link.navegador.left(CodeWidth), link.fechahora,
        link.icono.isNull() ? QVariant() : QVariant(link.icono), link.nicono};
}

} // namespace

std::optional<Link> LinkTable::find(qint64 id)
{
    Cursor cursor = m_database.query(QStringLiteral("SELECT * FROM direcciones WHERE id = ?"), {id});
    if (!cursor.next())
        return std::nullopt;
    return read(cursor);
}

qint64 LinkTable::insert(const Link& link)
{
    m_database.execute(
        QStringLiteral("INSERT INTO direcciones (titulo, direccion, codgrupo, prioridad, tipo, "
                       "navegador, fechahora, icono, nicono) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        valuesOf(link));
    return m_database.lastInsertId();
}

void LinkTable::update(const Link& link)
{
    QVariantList values = valuesOf(link);
    values << link.id;
    m_database.execute(QStringLiteral("UPDATE direcciones SET titulo = ?, direccion = ?, codgrupo = ?, "
                                      "prioridad = ?, tipo = ?, navegador = ?, fechahora = ?, icono = ?, "
                                      "nicono = ? WHERE id = ?"),
        values);
}

void LinkTable::remove(qint64 id)
{
    m_database.execute(QStringLiteral("DELETE FROM direcciones WHERE id = ?"), {id});
}

QString LinkTable::storedTitle(const QString& title)
{
    return title.toUpper().left(TitleWidth);
}

int LinkTable::count()
{
    Cursor cursor = m_database.query(QStringLiteral("SELECT count(*) FROM direcciones"));
    return cursor.next() ? int(cursor.integer(0)) : 0;
}

Link LinkTable::read(const Cursor& cursor)
{
    Link link;
    link.id = cursor.integer(u"id");
    link.titulo = cursor.text(u"titulo");
    link.direccion = cursor.text(u"direccion");
    link.codgrupo = cursor.text(u"codgrupo");
    link.prioridad = cursor.text(u"prioridad");
    link.tipo = cursor.text(u"tipo");
    link.navegador = cursor.text(u"navegador");
    link.fechahora = cursor.dateTime(u"fechahora");
    link.icono = cursor.blob(u"icono");
    link.nicono = int(cursor.integer(u"nicono"));
    return link;
}
