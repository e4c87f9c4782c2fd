#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The 27 default pictures, 32 by 32, numbered from 0: 1 is the web, 2 a folder, and the
// rest a set for other kinds of links.
namespace DefaultPictures {

constexpr int Count = 27;
constexpr int Web = 1;
constexpr int Folder = 2;
// A picture is drawn 30 pixels wide: larger stored pictures are refused when stored and
// never read when listed.
constexpr qsizetype MaxBytes = 4 * 1024 * 1024;

QList<QImage> load();

// The picture as a BMP stream, the form iconos and direcciones store.
QByteArray toBmp(const QImage& picture);

} // namespace DefaultPictures
