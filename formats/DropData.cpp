#include "formats/DropData.h"

#include "formats/InternetShortcut.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QStringDecoder>
#include <QUrl>

namespace {

const QString MozUrl = QStringLiteral("text/x-moz-url");
const QString NetscapeUrl = QStringLiteral("_NETSCAPE_URL");
const QString WindowsFormat = QStringLiteral("application/x-qt-windows-mime;value=\"%1\"");

QString windowsFormat(const QMimeData& data, const QString& name)
{
    const QString prefix = WindowsFormat.arg(name);
    for (const QString& format : data.formats()) {
        if (format.startsWith(prefix))
            return format;
    }
    return {};
}

// Text that may come as UTF-16 (with or without a byte order mark) or as UTF-8.
QString decodeLinkText(const QByteArray& bytes)
{
    const bool utf16 = bytes.startsWith("\xFF\xFE") || (bytes.size() > 1 && bytes.at(1) == '\0');
    QString text = utf16 ? QStringDecoder(QStringDecoder::Utf16LE)(bytes) : QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.remove(QChar(0));
}

// The name of the first file of a FileGroupDescriptor(W) block, or empty.
QString firstDescribedFile(const QByteArray& block, bool wide)
{
    constexpr qsizetype NameOffset = 4 + 72;
    const qsizetype nameBytes = wide ? 520 : 260;
    if (block.size() < NameOffset + nameBytes || block.left(4) == QByteArray(4, '\0'))
        return {};
    const QByteArray name = block.mid(NameOffset, nameBytes);
    return wide ? decodeLinkText(name) : InternetShortcut::decode(name.left(name.indexOf('\0')));
}

QString withoutUrlExtension(const QString& name)
{
    return name.endsWith(QStringLiteral(".url"), Qt::CaseInsensitive) ? name.chopped(4) : QString();
}

QStringList localFiles(const QMimeData& data)
{
    QStringList files;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            files << QDir::toNativeSeparators(url.toLocalFile());
    }
    return files;
}

void readAddress(const QMimeData& data, const QStringList& files, DroppedLinks& links)
{
    for (const bool wide : {false, true}) {
        const QString descriptor = windowsFormat(
            data, wide ? QStringLiteral("FileGroupDescriptorW") : QStringLiteral("FileGroupDescriptor"));
        if (!descriptor.isEmpty() && links.Title.isEmpty())
            links.Title = withoutUrlExtension(firstDescribedFile(data.data(descriptor), wide));
    }
    const QString contents = windowsFormat(data, QStringLiteral("FileContents"));
    if (!contents.isEmpty() && links.URL.isEmpty() && !links.Title.isEmpty())
        links.URL = InternetShortcut::address(InternetShortcut::decode(data.data(contents)));

    // A link with its title: "address\ntitle".
    for (const QString& format : {MozUrl, NetscapeUrl}) {
        if (!links.URL.isEmpty() || !data.hasFormat(format))
            continue;
        const QStringList lines = decodeLinkText(data.data(format)).split(u'\n');
        links.URL = lines.value(0).trimmed();
        if (links.Title.isEmpty())
            links.Title = lines.value(1).trimmed();
    }
    const QString locator = windowsFormat(data, QStringLiteral("UniformResourceLocator"));
    if (links.URL.isEmpty() && !locator.isEmpty())
        links.URL = QString::fromLocal8Bit(data.data(locator)).remove(QChar(0));
    if (links.URL.isEmpty()) {
        for (const QUrl& url : data.urls()) {
            if (!url.isLocalFile()) {
                links.URL = url.toString();
                break;
            }
        }
    }
    // The text a file list brings along is the list itself, not an address.
    if (links.URL.isEmpty() && files.isEmpty() && data.hasText()) {
        const QString text = data.text();
        if (text.indexOf(QStringLiteral("://")) >= 1)
            links.URL = text;
    }
    if (links.URL.isEmpty() && !files.isEmpty()
        && files.first().endsWith(QStringLiteral(".url"), Qt::CaseInsensitive)) {
        links.URL = InternetShortcut::readFile(files.first());
        if (!links.URL.isEmpty() && links.Title.isEmpty())
            links.Title = QFileInfo(files.first()).completeBaseName();
    }
}

} // namespace

std::optional<DroppedLinks> readDrop(const QMimeData& data, DropFormats formats)
{
    DroppedLinks links;
    const QStringList files = localFiles(data);
    const bool fileList = formats & DropFormat::File && !files.isEmpty();
    if (fileList)
        links.Files = files;
    if (formats & DropFormat::URL)
        readAddress(data, files, links);
    // Text and pictures are taken too where the formats ask for them, though only files
    // and addresses are read from a drop.
    const bool otherData
        = (formats & DropFormat::Text && data.hasText()) || (formats & DropFormat::Bitmap && data.hasImage());
    if (!fileList && links.URL.isEmpty() && links.Title.isEmpty() && !otherData)
        return std::nullopt;
    return links;
}
