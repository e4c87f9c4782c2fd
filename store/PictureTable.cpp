#include "store/PictureTable.h"

#include "store/Database.h"

std::optional<Picture> PictureTable::find(int numicono)
{
    Cursor cursor = m_database.query(
        QStringLiteral("SELECT numicono, nomicono, imagen FROM iconos WHERE numicono = ?"), {numicono});
    if (!cursor.next())
        return std::nullopt;
    return Picture {int(cursor.integer(0)), cursor.text(1), cursor.blob(2)};
}

QList<Picture> PictureTable::all()
{
    QList<Picture> pictures;
    Cursor cursor
        = m_database.query(QStringLiteral("SELECT numicono, nomicono, imagen FROM iconos ORDER BY numicono"));
    while (cursor.next())
        pictures.append(Picture {int(cursor.integer(0)), cursor.text(1), cursor.blob(2)});
    return pictures;
}

void PictureTable::insert(const Picture& picture)
{
    m_database.execute(QStringLiteral("INSERT INTO iconos (numicono, nomicono, imagen) VALUES (?, ?, ?)"),
        {picture.numicono, picture.nomicono, picture.imagen});
}

void PictureTable::setImage(int numicono, const QByteArray& imagen)
{
    m_database.execute(QStringLiteral("UPDATE iconos SET imagen = ? WHERE numicono = ?"), {imagen, numicono});
}
