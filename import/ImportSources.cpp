#include "import/ImportSources.h"

namespace ImportSources {

namespace {

QString variable(const Environment& environment, const char* name)
{
    return environment(QString::fromLatin1(name)).value_or(QString());
}

#ifndef Q_OS_WIN
QString home(const Environment& environment)
{
    return variable(environment, "HOME");
}

// The user's configuration folder: $XDG_CONFIG_HOME, or ~/.config.
QString configFolder(const Environment& environment)
{
    const QString configured = variable(environment, "XDG_CONFIG_HOME");
    return configured.isEmpty() ? home(environment) + QStringLiteral("/.config") : configured;
}
#endif

} // namespace

QString favouritesFolder(const Environment& environment)
{
    if (const std::optional<QString> profile = environment(QStringLiteral("USERPROFILE")))
        return *profile + QStringLiteral("\\favorites");
    return variable(environment, "HOME") + QStringLiteral("/Favorites");
}

QStringList chromiumUserDataFolders(const Environment& environment)
{
#ifdef Q_OS_WIN
    const QString local = variable(environment, "LOCALAPPDATA");
    return {local + QStringLiteral("\\Google\\Chrome\\User Data"),
        local + QStringLiteral("\\Chromium\\User Data"),
        local + QStringLiteral("\\BraveSoftware\\Brave-Browser\\User Data")};
#else
    const QString config = configFolder(environment);
    return {config + QStringLiteral("/google-chrome"), config + QStringLiteral("/google-chrome-beta"),
        config + QStringLiteral("/google-chrome-unstable"), config + QStringLiteral("/chromium"),
        config + QStringLiteral("/BraveSoftware/Brave-Browser")};
#endif
}

QString edgeBookmarksFile(const Environment& environment)
{
#ifdef Q_OS_WIN
    return variable(environment, "LOCALAPPDATA")
        + QStringLiteral("\\Microsoft\\Edge\\User Data\\Default\\BookMarks");
#else
    return configFolder(environment) + QStringLiteral("/microsoft-edge/Default/Bookmarks");
#endif
}

QStringList firefoxFolders(const Environment& environment)
{
#ifdef Q_OS_WIN
    return {variable(environment, "APPDATA") + QStringLiteral("\\Mozilla\\Firefox")};
#else
    const QString user = home(environment);
    return {user + QStringLiteral("/.mozilla/firefox"),
        user + QStringLiteral("/snap/firefox/common/.mozilla/firefox"),
        user + QStringLiteral("/.var/app/org.mozilla.firefox/.mozilla/firefox")};
#endif
}

} // namespace ImportSources
