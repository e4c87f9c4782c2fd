#include "formats/ShellLink.h"

#include "platform/Paths.h"
#include "store/TextUtils.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <optional>

namespace {

enum LinkFlag : quint32 {
    HasLinkTargetIdList = 0x01,
    HasLinkInfo = 0x02,
    HasName = 0x04,
    HasRelativePath = 0x08,
    HasWorkingDir = 0x10,
    HasArguments = 0x20,
    HasIconLocation = 0x40,
    IsUnicode = 0x80,
    ForceNoLinkInfo = 0x100,
};

enum LinkInfoFlag : quint32 {
    VolumeIdAndLocalBasePath = 0x1,
    CommonNetworkRelativeLinkAndPathSuffix = 0x2,
};

constexpr quint32 HeaderSize = 0x4C;
constexpr quint32 EnvironmentBlockSignature = 0xA0000001;
constexpr quint32 EnvironmentBlockSize = 0x314;
constexpr qsizetype MaximumFileSize = 4 * 1024 * 1024;
using Clsid = std::array<unsigned char, 16>;
constexpr Clsid LinkClsid {
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// The roots of an item-ID list that spell a path: "Computer" {20D04FE0-3AEA-1069-A2D8-08002B30309D}
// and the user's own folder {59031A47-3F72-44A7-89C5-5595FE6B30EE}.
constexpr Clsid ComputerClsid {
    0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10, 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
constexpr Clsid UserFolderClsid {
    0x47, 0x1A, 0x03, 0x59, 0x72, 0x3F, 0xA7, 0x44, 0x89, 0xC5, 0x55, 0x95, 0xFE, 0x6B, 0x30, 0xEE};
constexpr quint32 FileEntryExtensionSignature = 0xBEEF0004;

// Bounds-checked little-endian reads over the file's bytes; every read outside the
// bytes gives nothing.
class Reader
{
public:
    explicit Reader(const QByteArray& data)
        : m_data(data)
    { }

    qsizetype size() const { return m_data.size(); }

    bool contains(qsizetype offset, qsizetype length) const
    {
        return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
    }

    std::optional<quint32> u8(qsizetype offset) const { return little(offset, 1); }
    std::optional<quint32> u16(qsizetype offset) const { return little(offset, 2); }
    std::optional<quint32> u32(qsizetype offset) const { return little(offset, 4); }

    // A NUL-terminated Windows-1252 string starting at offset and ending before end.
    QString ansiString(qsizetype offset, qsizetype end) const
    {
        end = std::min(end, size());
        if (offset < 0 || offset >= end)
            return {};
        qsizetype stop = offset;
        while (stop < end && m_data.at(stop) != '\0')
            ++stop;
        return DecodeWindows1252(QByteArrayView(m_data).sliced(offset, stop - offset));
    }

    // A NUL-terminated UTF-16LE string starting at offset and ending before end.
    QString unicodeString(qsizetype offset, qsizetype end) const
    {
        end = std::min(end, size());
        QString result;
        for (qsizetype at = offset; at >= 0 && at + 1 < end; at += 2) {
            const quint32 unit = *u16(at);
            if (unit == 0)
                break;
            result += QChar(char16_t(unit));
        }
        return result;
    }

    bool hasClsid(qsizetype offset, const Clsid& clsid) const
    {
        if (!contains(offset, qsizetype(clsid.size())))
            return false;
        for (size_t i = 0; i < clsid.size(); ++i) {
            if (static_cast<unsigned char>(m_data.at(offset + qsizetype(i))) != clsid[i])
                return false;
        }
        return true;
    }

private:
    std::optional<quint32> little(qsizetype offset, int bytes) const
    {
        if (!contains(offset, bytes))
            return std::nullopt;
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(m_data.at(offset + i));
        return value;
    }

    const QByteArray& m_data;
};

struct LinkInfoPaths
{
    QString localBasePath;
    bool localBasePathIsUnicode = false;
    QString networkName;
    QString commonPathSuffix;
};

// The paths of the LinkInfo structure that starts at start and spans size bytes.
LinkInfoPaths readLinkInfo(const Reader& file, qsizetype start, qsizetype size)
{
    LinkInfoPaths paths;
    const qsizetype end = start + size;
    const quint32 headerSize = file.u32(start + 4).value_or(0);
    const quint32 flags = file.u32(start + 8).value_or(0);
    auto field = [&](qsizetype at) -> qsizetype {
        const std::optional<quint32> offset = file.u32(start + at);
        return offset && *offset > 0 && *offset < size ? start + qsizetype(*offset) : -1;
    };
    const bool unicodeOffsets = headerSize >= 0x24;
    const qsizetype unicodeSuffix = unicodeOffsets ? field(32) : -1;
    paths.commonPathSuffix
        = unicodeSuffix >= 0 ? file.unicodeString(unicodeSuffix, end) : file.ansiString(field(24), end);
    if (flags & VolumeIdAndLocalBasePath) {
        const qsizetype unicodeBase = unicodeOffsets ? field(28) : -1;
        paths.localBasePathIsUnicode = unicodeBase >= 0;
        paths.localBasePath
            = unicodeBase >= 0 ? file.unicodeString(unicodeBase, end) : file.ansiString(field(16), end);
    }
    if (flags & CommonNetworkRelativeLinkAndPathSuffix) {
        const qsizetype network = field(20);
        const std::optional<quint32> networkSize = network >= 0 ? file.u32(network) : std::nullopt;
        if (networkSize && qsizetype(*networkSize) <= end - network) {
            const qsizetype networkEnd = network + qsizetype(*networkSize);
            const quint32 nameOffset = file.u32(network + 8).value_or(0);
            const quint32 unicodeNameOffset = nameOffset > 0x14 ? file.u32(network + 20).value_or(0) : 0;
            if (unicodeNameOffset > 0)
                paths.networkName = file.unicodeString(network + unicodeNameOffset, networkEnd);
            else if (nameOffset > 0)
                paths.networkName = file.ansiString(network + nameOffset, networkEnd);
        }
    }
    return paths;
}

// The long name of a folder or file item: the Unicode name of its extension block, or
// else the primary name of a file entry item; empty when the item has neither.
QString itemName(const Reader& file, qsizetype item, qsizetype end, quint32 type)
{
    constexpr qsizetype PrimaryName = 14;
    for (qsizetype at = item + PrimaryName; at + 8 <= end; at += 2) {
        if (file.u32(at + 4) != FileEntryExtensionSignature)
            continue;
        const qsizetype blockEnd = std::min(end, at + qsizetype(file.u16(at).value_or(0)));
        const quint32 version = file.u16(at + 2).value_or(0);
        const qsizetype nameOffset = version >= 9 ? 46 : version == 8 ? 42 : version == 7 ? 38 : 20;
        if (version >= 3) {
            const QString name = file.unicodeString(at + nameOffset, blockEnd);
            if (!name.isEmpty())
                return name;
        }
        break;
    }
    if ((type & 0x70) != 0x30)
        return {};
    return (type & 0x04) ? file.unicodeString(item + PrimaryName, end)
                         : file.ansiString(item + PrimaryName, end);
}

// The path an item-ID list spells: a drive or the user's folder followed by folder and
// file items. Empty for lists that name no file system path (printers, the control panel).
QString idListPath(const Reader& file, qsizetype start, qsizetype end)
{
    QStringList parts;
    for (qsizetype at = start; at + 2 <= end;) {
        const qsizetype size = qsizetype(file.u16(at).value_or(0));
        if (size == 0)
            break;
        if (size < 3 || size > end - at)
            return {};
        const quint32 type = file.u8(at + 2).value_or(0);
        if (parts.isEmpty() && type == 0x1F) {
            if (file.hasClsid(at + 4, UserFolderClsid))
                parts << QStringLiteral("%USERPROFILE%");
            else if (!file.hasClsid(at + 4, ComputerClsid))
                return {};
        } else if ((type & 0x70) == 0x20) {
            QString volume = file.ansiString(at + 3, at + size);
            if (volume.endsWith(u'\\'))
                volume.chop(1);
            parts = {volume};
        } else if (!parts.isEmpty()) {
            const QString name = itemName(file, at, at + size, type);
            if (name.isEmpty())
                return {};
            parts << name;
        } else {
            return {};
        }
        at += size;
    }
    const QString path = parts.join(u'\\');
    return path.endsWith(u':') ? path + u'\\' : path;
}

// Windows writes characters the ANSI code page lacks as "?": such a path is only a
// shadow of the Unicode one of the item-ID list, when both name the same number of parts
// on the same drive.
bool isAnsiShadowOf(const QString& ansi, const QString& unicode)
{
    const bool lossy
        = std::any_of(ansi.cbegin(), ansi.cend(), [](QChar c) { return c == u'?' || c.unicode() > 0x7F; });
    const QStringList ansiParts = ansi.split(u'\\', Qt::SkipEmptyParts);
    const QStringList unicodeParts = unicode.split(u'\\', Qt::SkipEmptyParts);
    return lossy && !unicodeParts.isEmpty() && ansiParts.size() == unicodeParts.size()
        && ansiParts.first().compare(unicodeParts.first(), Qt::CaseInsensitive) == 0;
}

QString resolveRelative(const QString& folder, QString relative)
{
    const QChar separator = Paths::separatorOf(folder);
    relative.replace(u'\\', separator).replace(u'/', separator);
    QStringList parts = folder.split(separator);
    for (const QString& part : relative.split(separator, Qt::SkipEmptyParts)) {
        if (part == QStringLiteral("."))
            continue;
        if (part == QStringLiteral("..")) {
            if (parts.size() > 1)
                parts.removeLast();
            continue;
        }
        parts << part;
    }
    return parts.join(separator);
}

} // namespace

QString shellLinkTarget(const QByteArray& data, const QString& shortcutFolder)
{
    const Reader file(data);
    if (!file.contains(0, HeaderSize) || file.u32(0) != HeaderSize || !file.hasClsid(4, LinkClsid))
        return {};
    const quint32 flags = file.u32(0x14).value_or(0);
    qsizetype at = HeaderSize;

    QString itemPath;
    if (flags & HasLinkTargetIdList) {
        const std::optional<quint32> idListSize = file.u16(at);
        if (!idListSize)
            return {};
        itemPath = idListPath(file, at + 2, std::min(file.size(), at + 2 + qsizetype(*idListSize)));
        at += 2 + qsizetype(*idListSize);
    }

    LinkInfoPaths info;
    if (flags & HasLinkInfo) {
        const std::optional<quint32> infoSize = file.u32(at);
        if (!infoSize || !file.contains(at, qsizetype(*infoSize)))
            return {};
        if (!(flags & ForceNoLinkInfo))
            info = readLinkInfo(file, at, qsizetype(*infoSize));
        at += qsizetype(*infoSize);
    }

    QString relativePath;
    const int unitSize = (flags & IsUnicode) ? 2 : 1;
    for (const quint32 flag : {HasName, HasRelativePath, HasWorkingDir, HasArguments, HasIconLocation}) {
        if (!(flags & flag))
            continue;
        const std::optional<quint32> count = file.u16(at);
        const qsizetype length = qsizetype(count.value_or(0)) * unitSize;
        if (!count || !file.contains(at + 2, length))
            return {};
        if (flag == HasRelativePath) {
            relativePath = unitSize == 2 ? file.unicodeString(at + 2, at + 2 + length)
                                         : file.ansiString(at + 2, at + 2 + length);
        }
        at += 2 + length;
    }

    if (!info.localBasePath.isEmpty()) {
        const QString path = info.localBasePath + info.commonPathSuffix;
        return !info.localBasePathIsUnicode && isAnsiShadowOf(path, itemPath) ? itemPath : path;
    }
    if (!info.networkName.isEmpty()) {
        return info.commonPathSuffix.isEmpty() ? info.networkName
                                               : info.networkName + u'\\' + info.commonPathSuffix;
    }

    for (;;) {
        const std::optional<quint32> blockSize = file.u32(at);
        const std::optional<quint32> signature = file.u32(at + 4);
        if (!blockSize || *blockSize < 8 || !signature || !file.contains(at, qsizetype(*blockSize)))
            break;
        if (*signature == EnvironmentBlockSignature && *blockSize >= EnvironmentBlockSize) {
            const QString unicode = file.unicodeString(at + 8 + 260, at + 8 + 260 + 520);
            return unicode.isEmpty() ? file.ansiString(at + 8, at + 8 + 260) : unicode;
        }
        at += qsizetype(*blockSize);
    }

    if (!itemPath.isEmpty())
        return itemPath;
    if (!relativePath.isEmpty() && !shortcutFolder.isEmpty())
        return resolveRelative(shortcutFolder, relativePath);
    return {};
}

std::optional<QString> shortcutTarget(const QString& address)
{
    if (!address.contains(QStringLiteral(".lnk"), Qt::CaseInsensitive))
        return std::nullopt;
    const QFileInfo file(address);
    if (!file.isFile() || !file.isReadable())
        return std::nullopt;
    const QString target = DestinoAcceso(address);
    if (target.isEmpty())
        return std::nullopt;
    const QString without = Reemplazar(target, QStringLiteral(" (x86)"), QString());
    if (!QFileInfo::exists(target) && QFileInfo::exists(without))
        return without;
    return target;
}

QString DestinoAcceso(const QString& path)
{
    QFile file(path);
    if (file.size() > MaximumFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return shellLinkTarget(file.readAll(), CarpetaDe(path, false));
}
