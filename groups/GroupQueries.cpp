#include "groups/GroupQueries.h"

namespace GroupQueries {

Statement mantenimiento(const QString& text)
{
    const QString pattern = u'%' + text + u'%';
    Statement statement;
    statement.line(u"Select * from grupos");
    statement.line(u"Where (Upper(codgrupo) like ")
        .quoted(pattern)
        .text(u") or (Upper(nomgrupo) like ")
        .quoted(pattern)
        .text(u") ");
    statement.line(u"order by codgrupo");
    return statement;
}

Statement seleccion(const QString& text)
{
    const QString pattern = u'%' + text + u'%';
    Statement statement;
    statement.line(u"Select * from Grupos");
    statement.line(u"Where (codgrupo like ")
        .quoted(pattern)
        .text(u") or (nomgrupo like ")
        .quoted(pattern)
        .text(u") ");
    return statement;
}

Statement quitarGrupo(const QString& codgrupo)
{
    Statement statement;
    statement.line(u"UPDATE direcciones SET CODGRUPO=")
        .quoted(QString())
        .text(u" Where CODGRUPO = ")
        .quoted(codgrupo);
    return statement;
}

Statement borrarEnlaces(const QString& codgrupo)
{
    Statement statement;
    statement.line(u"DELETE FROM  direcciones Where CODGRUPO = ").quoted(codgrupo);
    return statement;
}

} // namespace GroupQueries

#include "store/Database.h"
#include "store/Records.h"

#include <QList>

namespace GroupQueries {

QList<Group> groups(Database& database, const Statement& statement)
{
    QList<Group> found;
    Cursor cursor = database.query(statement);
    while (cursor.next())
        found.append(Group {cursor.text(u"codgrupo"), cursor.text(u"nomgrupo")});
    return found;
}

} // namespace GroupQueries
