#include "main/PictureCache.h"

#include "store/Database.h"
#include "store/DefaultPictures.h"

void PictureCache::refresh()
{
    QHash<int, Entry> pictures;
    // A picture too large to be an icon is not even read: it shows as no picture.
    Cursor cursor = m_database.query(
        QStringLiteral("SELECT numicono, CASE WHEN length(imagen) <= ? THEN imagen END FROM iconos"),
        {DefaultPictures::MaxBytes});
    while (cursor.next()) {
        const int number = int(cursor.integer(0));
        const QByteArray bytes = cursor.blob(1);
        // A picture that cannot be decoded is remembered as such, like one that can.
        const auto known = m_pictures.constFind(number);
        pictures.insert(number,
            known != m_pictures.cend() && known->bytes == bytes ? *known
                                                                : Entry {bytes, QImage::fromData(bytes)});
    }
    m_pictures.swap(pictures);
}
