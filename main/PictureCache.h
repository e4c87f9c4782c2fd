#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>

class Database;

// The shared pictures of iconos, each decoded once and kept until its row changes.
class PictureCache
{
public:
    explicit PictureCache(Database& database)
        : m_database(database)
    { }

    // Rereads the rows; only a picture whose stored bytes changed is decoded again.
    void refresh();
    // The picture of row numicono, or a null image when there is none.
    QImage picture(int numicono) const { return m_pictures.value(numicono).image; }

private:
    struct Entry
    {
        QByteArray bytes;
        QImage image;
    };

    Database& m_database;
    QHash<int, Entry> m_pictures;
};
