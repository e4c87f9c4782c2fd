#pragma once

#include <QFlags>
#include <QStringList>

#include <optional>

class QMimeData;

// What a drop brought: the dropped files, or a web address with an optional title.
struct DroppedLinks
{
    QStringList Files;
    QString URL;
    QString Title;
};

// The kinds of dragged data a drop target takes.
enum class DropFormat { Text = 0x1, File = 0x2, URL = 0x4, Bitmap = 0x8, MetaFile = 0x10, Data = 0x20 };
Q_DECLARE_FLAGS(DropFormats, DropFormat)
Q_DECLARE_OPERATORS_FOR_FLAGS(DropFormats)

constexpr DropFormats AllDropFormats = DropFormats(0x3F);

// The files, address and title of a drop, by the program's rules; nothing when the drop
// brought neither a file list nor an address or title.
std::optional<DroppedLinks> readDrop(const QMimeData& data, DropFormats formats);
