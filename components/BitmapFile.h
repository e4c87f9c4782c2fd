#pragma once

#include <QImage>
#include <QString>

// Loads a bitmap (.bmp) file; throws AppError with the loader's reason when it is not one.
QImage loadBitmapFile(const QString& path);
