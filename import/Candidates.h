#pragma once

#include "formats/Bookmarks.h"

#include <QStringList>

#include <optional>

// The candidate lines of the import window: a title and an address joined by "|" (the
// favourites folder) or " | " (the browsers' bookmarks).
namespace Candidates {

// The candidates of one Internet shortcut file, one per "BASEURL=" line, titled with the
// file's name; nothing when the file cannot be read.
QStringList fromInternetShortcut(const QString& path);

// A bookmark of Chrome, Chromium, Brave, Firefox or an exported file: titled with its name,
// or its address when it has none, raised and without "HTTP://", "HTTPS://" and "//";
// nothing when the address holds no "http".
std::optional<QString> fromBookmark(const Bookmark& bookmark);

// A bookmark of Edge: titled with its name raised, or its address when it has none; nothing
// when the address holds no "http".
std::optional<QString> fromEdgeBookmark(const Bookmark& bookmark);

// The title and the address of a candidate line.
QString titleOf(const QString& line);
QString addressOf(const QString& line);

} // namespace Candidates
