#include "main/LinkStatements.h"

namespace LinkStatements {

Statement favorito(qint64 id, bool favourite, const QDateTime& now)
{
    Statement statement;
    statement.line(u"UPDATE direcciones SET TIPO=")
        .quoted(favourite ? QStringLiteral("F") : QString())
        .text(u", FECHAHORA=")
        .quoted(now)
        .text(u" Where ID = ")
        .quoted(QString::number(id));
    return statement;
}

Statement prioridad(qint64 id, const QString& priority, const QDateTime& now)
{
    Statement statement;
    statement.line(u"UPDATE direcciones SET PRIORIDAD=")
        .quoted(priority)
        .text(u", FECHAHORA=")
        .quoted(now)
        .text(u" Where ID = ")
        .quoted(QString::number(id));
    return statement;
}

Statement quitarPrioridades()
{
    Statement statement;
    statement.line(u"UPDATE direcciones SET prioridad=").quoted(QStringLiteral("000")).text(u" ");
    return statement;
}

Statement asignarGrupo(qint64 id, const QString& codgrupo, const QDateTime& now)
{
    Statement statement;
    statement.line(u"UPDATE direcciones SET CODGRUPO=")
        .quoted(codgrupo)
        .text(u", FECHAHORA=")
        .quoted(now)
        .text(u"    Where ID = ")
        .quoted(QString::number(id));
    return statement;
}

Statement borrarEnlacesDeGrupo(const QString& codgrupo)
{
    Statement statement;
    statement.line(u"DELETE  FROM direcciones  Where codgrupo = ").quoted(codgrupo);
    return statement;
}

} // namespace LinkStatements
