#include "main/PictureCache.h"

#include "store/Database.h"

void PictureCache::refresh()
{
    QHash<int, Entry> pictures;
    Cursor cursor = m_database.query(QStringLiteral("SELECT numicono, imagen FROM iconos"));
    while (cursor.next()) {
        const int number = int(cursor.integer(0));
        Entry entry = m_pictures.value(number);
        const QByteArray bytes = cursor.blob(1);
        if (entry.bytes != bytes || entry.image.isNull() != bytes.isEmpty())
            entry = Entry {bytes, QImage::fromData(bytes)};
        pictures.insert(number, entry);
    }
    m_pictures.swap(pictures);
}
