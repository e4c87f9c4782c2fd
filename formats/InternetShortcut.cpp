#include "formats/InternetShortcut.h"

#include "store/TextUtils.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace InternetShortcut {

QString address(const QString& text)
{
    bool inSection = false;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!inSection) {
            inSection = line.compare(QStringLiteral("[InternetShortcut]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (line.startsWith(u'['))
            return {};
        if (line.startsWith(QStringLiteral("URL="), Qt::CaseInsensitive))
            return line.mid(4);
    }
    return {};
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? DecodeWindows1252(bytes) : text;
}

std::optional<QString> lastUrlLine(const QString& path)
{
    QFile file(path);
    if (file.size() > 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString address;
    for (const QString& line : decode(file.readAll()).split(u'\n')) {
        if (line.contains(QStringLiteral("URL="), Qt::CaseInsensitive))
            address = line.mid(line.indexOf(u'=') + 1).remove(u'\r');
    }
    return address;
}

std::optional<QStringList> baseUrls(const QString& path)
{
    QFile file(path);
    if (file.size() > 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList addresses;
    for (const QString& line :
        decode(file.readAll()).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (line.contains(QStringLiteral("BASEURL="), Qt::CaseInsensitive))
            addresses << line.mid(line.indexOf(u'=') + 1);
    }
    return addresses;
}

QString readFile(const QString& path)
{
    QFile file(path);
    if (file.size() > 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return {};
    return address(decode(file.readAll()));
}

} // namespace InternetShortcut
