#pragma once

#include "store/Records.h"

#include <QList>

#include <optional>

class Database;

// The rows of iconos: the picture shared by every link of one kind.
class PictureTable
{
public:
    explicit PictureTable(Database& database)
        : m_database(database)
    { }

    std::optional<Picture> find(int numicono);
    QList<Picture> all();
    void insert(const Picture& picture);
    void setImage(int numicono, const QByteArray& imagen);

private:
    Database& m_database;
};
