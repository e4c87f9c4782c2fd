#include "store/GroupTable.h"

#include "platform/AppError.h"
#include "store/Database.h"

std::optional<Group> GroupTable::find(const QString& codgrupo)
{
    Cursor cursor = m_database.query(
        QStringLiteral("SELECT codgrupo, nomgrupo FROM grupos WHERE codgrupo = ?"), {codgrupo});
    if (!cursor.next())
        return std::nullopt;
    return Group {cursor.text(0), cursor.text(1)};
}

QList<Group> GroupTable::all()
{
    QList<Group> groups;
    Cursor cursor
        = m_database.query(QStringLiteral("SELECT codgrupo, nomgrupo FROM grupos ORDER BY codgrupo"));
    while (cursor.next())
        groups.append(Group {cursor.text(0), cursor.text(1)});
    return groups;
}

void GroupTable::insert(const Group& group)
{
    if (find(group.codgrupo))
        throw AppError(QStringLiteral("Ya existe un grupo con el código %1.").arg(group.codgrupo));
    m_database.execute(QStringLiteral("INSERT INTO grupos (codgrupo, nomgrupo, nivel) VALUES (?, ?, '')"),
        {group.codgrupo, group.nomgrupo});
}

void GroupTable::update(const QString& codgrupo, const Group& group)
{
    if (group.codgrupo != codgrupo && find(group.codgrupo))
        throw AppError(QStringLiteral("Ya existe un grupo con el código %1.").arg(group.codgrupo));
    m_database.execute(QStringLiteral("UPDATE grupos SET codgrupo = ?, nomgrupo = ? WHERE codgrupo = ?"),
        {group.codgrupo, group.nomgrupo, codgrupo});
}

void GroupTable::remove(const QString& codgrupo)
{
    m_database.execute(QStringLiteral("DELETE FROM grupos WHERE codgrupo = ?"), {codgrupo});
}
