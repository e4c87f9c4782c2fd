#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Where the browsers keep their favourites on this system, from the environment.
namespace ImportSources {

using Environment = std::function<std::optional<QString>(const QString& name)>;

// The folder of Internet shortcut files: USERPROFILE\favorites, or the home's Favorites.
QString favouritesFolder(const Environment& environment);
// The user-data folders of Chrome, Chromium and Brave, each holding one folder per profile.
QStringList chromiumUserDataFolders(const Environment& environment);
// The bookmarks file of Edge's default profile.
QString edgeBookmarksFile(const Environment& environment);
// The folders that may hold Firefox's profiles.ini (the package's, the snap's, the flatpak's).
QStringList firefoxFolders(const Environment& environment);

} // namespace ImportSources
