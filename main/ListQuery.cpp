#include "main/ListQuery.h"

Statement listStatement(const ListInputs& inputs, QStringView columns)
{
    Statement statement;
    statement.line(QStringLiteral("Select %1 from direcciones").arg(columns));

    const bool hasText = !inputs.searchText.isEmpty();
    const bool favourites = inputs.selector == QStringLiteral("FAVORITOS");
    const bool group = !favourites && inputs.selector != QStringLiteral("TODOS");
    const bool second = favourites || group;
    // With a second condition, the text condition is enclosed as a whole.
    const QString open = hasText && second ? QStringLiteral("(") : QString();
    const QString pattern = u'%' + inputs.searchText + u'%';

    if (hasText) {
        statement.line(u"Where ");
        statement.line(open).text(u" (titulo like ").quoted(pattern).text(u" ) ");
        if (inputs.searchAddresses)
            statement.line(u"  or (Upper(direccion) like ").quoted(pattern).text(u") ");
        if (!open.isEmpty())
            statement.text(u")");
    }
    if (favourites || group)
        statement.line(hasText ? u" and " : u"Where ");
    if (favourites)
        statement.line(u" (tipo = ").quoted(QStringLiteral("F")).text(u") ");
    if (group)
        statement.line(u" (codgrupo = ").quoted(inputs.selector).text(u") ");
    switch (inputs.order) {
    case 1:
        statement.line(u"order by prioridad desc, titulo");
        break;
    case 2:
        statement.line(u"order by fechahora desc");
        break;
    default:
        statement.line(u"order by prioridad desc, codgrupo, titulo");
    }
    return statement;
}
