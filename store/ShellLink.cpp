#include "store/ShellLink.h"

#include "platform/Paths.h"
#include "store/TextUtils.h"

#include <QFile>
#include <QFileInfo>

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
constexpr std::array<unsigned char, 16> LinkClsid {
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

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

    bool hasLinkClsid() const
    {
        if (!contains(4, qsizetype(LinkClsid.size())))
            return false;
        for (size_t i = 0; i < LinkClsid.size(); ++i) {
            if (static_cast<unsigned char>(m_data.at(4 + qsizetype(i))) != LinkClsid[i])
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
    if (!file.contains(0, HeaderSize) || file.u32(0) != HeaderSize || !file.hasLinkClsid())
        return {};
    const quint32 flags = file.u32(0x14).value_or(0);
    qsizetype at = HeaderSize;

    if (flags & HasLinkTargetIdList) {
        const std::optional<quint32> idListSize = file.u16(at);
        if (!idListSize)
            return {};
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

    if (!info.localBasePath.isEmpty())
        return info.localBasePath + info.commonPathSuffix;
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

    if (!relativePath.isEmpty() && !shortcutFolder.isEmpty())
        return resolveRelative(shortcutFolder, relativePath);
    return {};
}

QString DestinoAcceso(const QString& path)
{
    QFile file(path);
    if (file.size() > MaximumFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return shellLinkTarget(file.readAll(), CarpetaDe(path, false));
}
