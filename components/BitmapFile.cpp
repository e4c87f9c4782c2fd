#include "components/BitmapFile.h"

#include "platform/AppError.h"

#include <QImageReader>

QImage loadBitmapFile(const QString& path)
{
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw AppError(QStringLiteral("No se puede cargar la imagen %1: %2").arg(path, reader.errorString()));
    return picture;
}
