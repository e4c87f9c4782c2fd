#include "browsers/BrowserDiscovery.h"

#include "platform/Paths.h"
#include "store/BrowserTable.h"
#include "store/TextUtils.h"

namespace BrowserDiscovery {

namespace {

constexpr qsizetype NameWidth = 10;

} // namespace

QList<Folder> folders()
{
#ifdef Q_OS_WIN
    return {{QStringLiteral("c:\\Archivos de programa (86)"), QStringLiteral("C:\\Program Files (x86)"),
                QStringLiteral("c:\\Archivos de Programa (x86)  ")},
        {QStringLiteral("c:\\Archivos de programa"), QStringLiteral("C:\\Program Files"),
            QStringLiteral("c:\\Archivos de Programa")}};
#else
    return {{QStringLiteral("/usr/bin"), QStringLiteral("/usr/bin"), QStringLiteral("/usr/bin")},
        {QStringLiteral("/opt"), QStringLiteral("/opt"), QStringLiteral("/opt")}};
#endif
}

QStringList NavegadoresIniciales()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("chrome.exe"), QStringLiteral("msedge.exe"), QStringLiteral("iexplore.exe"),
        QStringLiteral("firefox.exe")};
#else
    return {QStringLiteral("firefox"), QStringLiteral("chromium"), QStringLiteral("google-chrome"),
        QStringLiteral("microsoft-edge"), QStringLiteral("brave-browser")};
#endif
}

QString browserName(const QString& path)
{
    const QString file = path.mid(Paths::lastSeparator(path) + 1);
    const qsizetype dot = file.lastIndexOf(u'.');
    const QString name = dot > 0 ? Reemplazar(file, file.mid(dot), QString()) : file;
    return name.toUpper().left(NameWidth);
}

QString DardeAltaNavegador(Database& database, const QString& name, const QString& path)
{
    BrowserTable browsers(database);
    QString candidate = name;
    for (int number = 1; browsers.find(candidate) && number <= 99; ++number)
        candidate = name.left(8) + QString::number(number);
    browsers.insert({candidate, path});
    return candidate;
}

} // namespace BrowserDiscovery
