// libFuzzer target for the reader of dragged data: the bytes are offered under each format a
// browser, a file manager or Windows sends, and reading them must never fail.
#include "formats/DropData.h"

#include <QMimeData>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const char* formats[] = {
        "text/x-moz-url",
        "_NETSCAPE_URL",
        "text/uri-list",
        "text/plain",
        "application/x-qt-windows-mime;value=\"FileGroupDescriptorW\"",
        "application/x-qt-windows-mime;value=\"FileGroupDescriptor\"",
        "application/x-qt-windows-mime;value=\"UniformResourceLocator\"",
    };
    for (const char* format : formats) {
        QMimeData offered;
        offered.setData(QString::fromLatin1(format), bytes);
        readDrop(offered, AllDropFormats);
    }
    // Windows sends a described file together with its contents.
    QMimeData described;
    described.setData(QStringLiteral("application/x-qt-windows-mime;value=\"FileGroupDescriptorW\""), bytes);
    described.setData(QStringLiteral("application/x-qt-windows-mime;value=\"FileContents\""), bytes);
    readDrop(described, AllDropFormats);
    return 0;
}
