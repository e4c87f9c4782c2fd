#include "store/LinkQueries.h"

namespace LinkQueries {

Statement existeEnlace(const QString& titulo, const QString& direccion)
{
    Statement statement;
    statement.line(u"Select id,titulo,direccion from direcciones");
    statement.line(u"Where (titulo = ")
        .quoted(titulo)
        .text(u")  and ( direccion = ")
        .quoted(direccion)
        .text(u") ");
    return statement;
}

Statement favoritos()
{
    Statement statement;
    statement.line(u"Select * from direcciones");
    statement.line(u"Where tipo = ").quoted(QStringLiteral("F")).text(u" ");
    return statement;
}

} // namespace LinkQueries
