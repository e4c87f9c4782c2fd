// libFuzzer target for the bookmark readers: any bytes, read as a Chromium Bookmarks file, as
// an exported HTML file and as a Firefox places.sqlite, give bookmarks or an AppError.
#include "formats/Bookmarks.h"
#include "platform/AppError.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        readChromiumBookmarks(bytes);
    } catch (const AppError&) { }
    readNetscapeBookmarks(QString::fromUtf8(bytes));
    static const QTemporaryDir folder;
    const QString places = folder.filePath(QStringLiteral("places.sqlite"));
    QFile file(places);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
        file.close();
        try {
            readFirefoxBookmarks(places);
        } catch (const AppError&) { }
    }
    return 0;
}
