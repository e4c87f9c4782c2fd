#include "store/DefaultPictures.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>

namespace DefaultPictures {

QList<QImage> load()
{
    QList<QImage> pictures;
    const QDir folder(QStringLiteral(":/pictures"));
    const QStringList files = folder.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        pictures.append(QImage(folder.filePath(file)).convertToFormat(QImage::Format_ARGB32));
    return pictures;
}

QByteArray toBmp(const QImage& picture)
{
    // BMP keeps no transparency: flatten the picture onto white.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    flat.save(&buffer, "BMP");
    return bytes;
}

} // namespace DefaultPictures
