#include "components/BitmapFile.h"

#include "platform/AppError.h"
#include "store/DefaultPictures.h"

#include <QFileInfo>

#include <QImageReader>

QImage loadBitmapFile(const QString& path)
{
    if (QFileInfo(path).size() > DefaultPictures::MaxBytes)
        throw AppError(QStringLiteral("La imagen %1 es demasiado grande para un icono: ocupa más de %2 MB.")
                           .arg(path)
                           .arg(DefaultPictures::MaxBytes / (1024 * 1024)));
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw AppError(QStringLiteral("No se puede cargar la imagen %1: %2").arg(path, reader.errorString()));
    return picture;
}
